#include "platform/recycle_bin.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/posix/percent_decode.h"

namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";

std::string HomeTrash() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return std::string(data) + "/Trash";
  return NativePath("C:") + "/.local/share/Trash";
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// A mount point as /proc/self/mounts writes it: blanks and backslashes as octal escapes (\040).
std::string Unescaped(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      out += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<std::string> TrashFolders() {
  std::vector<std::string> folders{HomeTrash()};
  std::string uid = std::to_string(getuid());
  std::ifstream mounts("/proc/self/mounts");
  std::string device, mountPoint, rest;
  while (mounts >> device >> mountPoint && std::getline(mounts, rest)) {
    std::string top = Unescaped(mountPoint);
    if (top == "/") top.clear();
    folders.push_back(top + "/.Trash/" + uid);
    folders.push_back(top + "/.Trash-" + uid);
  }
  return folders;
}

// The original file name recorded in a .trashinfo file; empty when the file is not a valid one.
std::string OriginalName(const std::string& infoPath) {
  std::ifstream info(infoPath);
  std::string line;
  bool inSection = false;
  while (std::getline(info, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') inSection = line == "[Trash Info]";
    else if (inSection && line.rfind("Path=", 0) == 0) {
      std::string path = PercentDecoded(line.substr(5));
      while (path.size() > 1 && path.back() == '/') path.pop_back();
      return path.substr(path.find_last_of('/') + 1);
    }
  }
  return std::string();
}

bool TrashHolds(const std::string& trash, const std::string& name) {
  DIR* info = opendir((trash + "/info").c_str());
  if (!info) return false;
  bool found = false;
  while (const dirent* entry = readdir(info)) {
    std::string file = entry->d_name;
    if (file.size() <= kInfoSuffix.size() || !file.ends_with(kInfoSuffix)) continue;
    struct stat st;
    std::string stored = trash + "/files/" + file.substr(0, file.size() - kInfoSuffix.size());
    if (lstat(stored.c_str(), &st) != 0) continue;
    if (Utf8ToAnsi(OriginalName(trash + "/info/" + file)) == name) {
      found = true;
      break;
    }
  }
  closedir(info);
  return found;
}

}  // namespace

bool IsInRecycleBin(const std::string& name) {
  if (name.empty()) return false;
  for (const std::string& trash : TrashFolders())
    if (TrashHolds(trash, name)) return true;
  return false;
}
