#include "platform/file_attributes.h"

#include <windows.h>

unsigned GetFileAttributeBits(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & 0x7F;
}
