#include "platform/file_attributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdlib>

#include "platform/files.h"

namespace {

constexpr unsigned kLowBits = 0x7F;

bool IsHiddenName(std::string native) {
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  size_t slash = native.find_last_of('/');
  std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
  return name.size() > 1 && name[0] == '.' && name != "..";
}

// The leading "0x<hex>" text of user.DOSATTRIB; 0 when it is absent or holds no such text.
unsigned DosAttributes(const std::string& native) {
  char value[256];
  ssize_t n = getxattr(native.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
  if (n < 3) return 0;
  value[n] = '\0';
  if (value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return 0;
  return static_cast<unsigned>(std::strtoul(value + 2, nullptr, 16));
}

}  // namespace

unsigned GetFileAttributeBits(const std::string& path) {
  std::string native = NativePath(path);
  struct stat st;
  if (stat(native.c_str(), &st) != 0) return 0;
  unsigned bits = DosAttributes(native);
  if (IsHiddenName(native)) bits |= ATTRIBUTE_HIDDEN;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) bits |= ATTRIBUTE_READONLY;
  return bits & kLowBits;
}
