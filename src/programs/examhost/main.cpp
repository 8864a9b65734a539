#include <cstdio>
#include <gtk/gtk.h>

#include "ui/gtk/exam_window.h"
#include "ui/gtk/splash_window.h"

int main() {
  // The window and the splash rely on X11 (also through XWayland); the program reads no arguments.
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fprintf(stderr, "examhost: cannot open the display; set DISPLAY to a running X server.\n");
    return -1;
  }
  SplashWindow splash;
  splash.Show();
  GtkExamWindow window;
  window.Run(splash, -1);
  return 0;
}
