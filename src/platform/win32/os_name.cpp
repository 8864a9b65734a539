#include "platform/os_name.h"

#include <windows.h>

std::string GetOsName() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return "unknown";
  char buffer[260] = {};
  DWORD type = 0;
  DWORD size = sizeof buffer - 1;
  LONG result = RegQueryValueExA(key, "ProductName", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return std::string();
  return std::string(buffer);
}
