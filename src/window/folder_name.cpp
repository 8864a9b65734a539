#include "window/folder_name.h"

#include "app/mbcs.h"

bool IsFolderName(std::string_view name) {
  if (name.find_first_not_of(". ") == std::string_view::npos) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (IsLeadByte(name[i]) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == '\\' || c == '/' || c == ':') return false;
  }
  return true;
}
