#include "platform/shell_open.h"

#include <windows.h>

#include <shellapi.h>

void ShellOpen(const std::string& path) {
  ShellExecuteA(nullptr, "open", path.c_str(), "", "", SW_SHOWNORMAL);
}
