#pragma once
// The name of the operating system, sent with the update check.
#include <string>
#include <string_view>

// The system's product name in the ANSI code page: on Windows the registry's ProductName, on Linux
// PRETTY_NAME of /etc/os-release. "unknown" when the source cannot be read; empty when it can be read but
// holds no name.
std::string GetOsName();

// Linux: PRETTY_NAME from the text of an os-release file, without its quotes and backslash escapes; empty when the
// text has none.
std::string OsReleasePrettyName(std::string_view osRelease);
