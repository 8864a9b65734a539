#pragma once
// The splash picture shown while the program starts: a window without caption and with a thin border,
// centred on the screen.
#include <gtk/gtk.h>

class SplashWindow {
 public:
  ~SplashWindow() { Destroy(); }
  // Shows the window and has it painted before returning.
  void Show();
  void Destroy();
  // Puts the splash beneath every other window, so that a message box shows in front of it.
  void Lower();

 private:
  GtkWidget* window_ = nullptr;
};
