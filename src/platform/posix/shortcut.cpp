#include "platform/shortcut.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/posix/percent_decode.h"
#include "platform/posix/shell_link_parser.h"

namespace {

constexpr size_t kMaxTarget = 259;

std::string FolderOf(const std::string& native) {
  size_t slash = native.find_last_of('/');
  return slash == std::string::npos ? "." : native.substr(0, slash);
}

// The target of a .desktop file: the local file of a Link entry's URL, else the first word of Exec.
std::string DesktopEntryTarget(const std::string& native) {
  std::ifstream file(native);
  std::string line, url, exec;
  bool inEntry = false;
  while (std::getline(file, line)) {
    if (!line.empty() && line[0] == '[') inEntry = line.rfind("[Desktop Entry]", 0) == 0;
    else if (inEntry && line.rfind("URL=", 0) == 0) url = line.substr(4);
    else if (inEntry && line.rfind("Exec=", 0) == 0) exec = line.substr(5);
  }
  if (url.rfind("file://", 0) == 0) return PercentDecoded(url.substr(7));
  if (!exec.empty() && exec[0] == '"') return exec.substr(1, exec.find('"', 1) - 1);
  return exec.substr(0, exec.find(' '));
}

}  // namespace

bool ResolveShortcut(const std::string& linkPath, std::string& target) {
  std::string native = NativePath(linkPath);
  struct stat st;
  if (lstat(native.c_str(), &st) != 0) return false;
  std::string found;
  if (S_ISLNK(st.st_mode)) {
    char buffer[4096];
    ssize_t n = readlink(native.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<size_t>(n) == sizeof buffer) return false;
    std::string pointed(buffer, static_cast<size_t>(n));
    std::filesystem::path full = pointed[0] == '/' ? pointed : FolderOf(native) + "/" + pointed;
    found = InsidePath(full.lexically_normal().string());
  } else if (native.ends_with(".desktop")) {
    found = InsidePath(DesktopEntryTarget(native));
  } else {
    std::string bytes;
    if (!ReadFileBytes(linkPath, bytes)) return false;
    auto path = ShellLinkTarget(bytes);
    if (!path) return false;
    found = *path;
  }
  target = found.substr(0, kMaxTarget);
  return true;
}
