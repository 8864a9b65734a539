#include "platform/desktop_folder.h"

#include <cstdlib>
#include <fstream>

#include "platform/files.h"

namespace {

std::string ConfigFolder(const std::string& home) {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return config;
  return home + "/.config";
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs: a quoted absolute path or one starting with $HOME.
std::string ConfiguredDesktop(const std::string& home) {
  std::ifstream dirs(ConfigFolder(home) + "/user-dirs.dirs");
  std::string line;
  const std::string key = "XDG_DESKTOP_DIR=\"";
  while (std::getline(dirs, line)) {
    if (line.rfind(key, 0) != 0) continue;
    size_t end = line.find('"', key.size());
    if (end == std::string::npos) return std::string();
    std::string value = line.substr(key.size(), end - key.size());
    if (value.rfind("$HOME", 0) == 0) return home + value.substr(5);
    return value.rfind('/', 0) == 0 ? value : std::string();
  }
  return std::string();
}

}  // namespace

std::string GetDesktopFolder() {
  std::string home = NativePath("C:");
  std::string desktop = ConfiguredDesktop(home);
  if (desktop.empty()) desktop = home + "/Desktop";
  while (desktop.size() > 1 && desktop.back() == '/') desktop.pop_back();
  return InsidePath(desktop);
}
