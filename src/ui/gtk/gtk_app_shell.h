#pragma once
// The application object's shell on GTK.
#include "app/app_shell.h"
#include "ui/gtk/splash_window.h"

class GtkAppShell : public AppShell {
 public:
  void ShowSplash() override { splash_.Show(); }
  void DestroySplash() override { splash_.Destroy(); }
  void ShowMessage(const std::string& text) override;
  void RunExamWindow(Nginx& supervisor, int instanceChannel, UpdateReadyRelay& relay) override;

 private:
  SplashWindow splash_;
};
