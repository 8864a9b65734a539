#include "platform/desktop_folder.h"

#include <windows.h>

#include <shlobj.h>

std::string GetDesktopFolder() {
  char buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE)) return std::string();
  return buffer;
}
