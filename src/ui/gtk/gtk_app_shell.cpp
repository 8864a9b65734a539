#include "ui/gtk/gtk_app_shell.h"

#include "ui/gtk/exam_web_view.h"
#include "ui/gtk/exam_window.h"
#include "ui/gtk/message_box.h"

void GtkAppShell::ShowSplash() {
  splash_.Show();
  view_ = StartExamWebView();
}

void GtkAppShell::ShowMessage(const std::string& text) {
  splash_.Lower();
  ShowMessageBox(text);
}

void GtkAppShell::RunExamWindow(Nginx& supervisor, int instanceChannel, UpdateReadyRelay& relay) {
  GtkExamWindow window(supervisor, scorers_, view_);
  window.Run(splash_, instanceChannel, relay);
}
