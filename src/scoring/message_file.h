#pragma once
// A question's message-text file: <web root>score\info\<[msg] path of the criteria file>, an INI file whose
// section msg holds the feedback texts, one per check.
#include <string>
#include <string_view>

#include "app/ini_file.h"

// The message-text file named by a criteria file given as an accessor (read only when its file exists) or
// as a path. An absent [msg] path names the folder score\info\ itself, on which every lookup is empty.
IniFile OpenMessageFile(const IniFile& criteria, const std::string& webRoot);
IniFile OpenMessageFile(const std::string& criteriaPath, const std::string& webRoot);

// The feedback text of `key` in section msg (at most 259 characters); empty when absent or when the file
// does not exist.
std::string MessageText(const IniFile& messages, std::string_view key);
