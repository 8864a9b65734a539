#include "ui/gtk/message_box.h"

#include "app/texts.h"
#include "platform/codepage.h"

namespace {

int RunMessageBox(GtkWindow* owner, GtkMessageType type, const std::string& text, const std::string& caption,
                  bool yesNo) {
  GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, type, GTK_BUTTONS_NONE, "%s",
                                          AnsiToUtf8(text).c_str());
  gtk_window_set_title(GTK_WINDOW(box), AnsiToUtf8(caption).c_str());
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  // The labels are given in Chinese: under the C locale GTK's stock labels would read "Yes" and "No".
  if (yesNo) {
    gtk_dialog_add_button(GTK_DIALOG(box), "否(_N)", GTK_RESPONSE_NO);
    gtk_dialog_add_button(GTK_DIALOG(box), "是(_Y)", GTK_RESPONSE_YES);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_YES);
  } else {
    gtk_dialog_add_button(GTK_DIALOG(box), "确定", GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
  }
  if (!owner) gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
  int response = gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  return response;
}

}  // namespace

void ShowMessageBox(const std::string& text) {
  RunMessageBox(nullptr, GTK_MESSAGE_WARNING, text, AnsiText(APP_TITLE), false);
}

bool AskYesNoBox(GtkWindow* owner, const std::string& text, const std::string& caption) {
  return RunMessageBox(owner, GTK_MESSAGE_QUESTION, text, caption, true) == GTK_RESPONSE_YES;
}
