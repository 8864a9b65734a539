#include <cstdio>
#include <gtk/gtk.h>

#include "app/demo_app.h"
#include "automation/office_backend.h"
#include "window/web_root.h"
#include "ui/gtk/gtk_app_shell.h"

int main() {
  // The window and the splash rely on X11 (also through XWayland); the program reads no arguments.
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fprintf(stderr, "examhost: cannot open the display; set DISPLAY to a running X server.\n");
    return -1;
  }
  GtkAppShell shell(ScorerContext{WebRoot(), OfficeWordStarter(), OfficeExcelStarter()});
  CDemoApp app;
  app.InitInstance(shell);
  return 0;
}
