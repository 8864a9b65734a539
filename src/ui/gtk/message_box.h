#pragma once
// The program's message boxes. Texts are in the ANSI code page, as the message table hands them out.
#include <gtk/gtk.h>
#include <string>

// An OK-only message owned by no window, captioned with the program's title.
void ShowMessageBox(const std::string& text);

// A modal Yes/No question owned by `owner`; true for Yes. Closing the box counts as No.
bool AskYesNoBox(GtkWindow* owner, const std::string& text, const std::string& caption);
