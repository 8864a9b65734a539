#include "platform/files.h"

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/codepage.h"

namespace {

constexpr size_t kMaxPath = 259;

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

std::string StripTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

std::string NativePath(const std::string& path) {
  std::string utf8 = AnsiToUtf8(path);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  if (!HasDriveLetter(utf8)) return utf8;
  // "C:" is the user's home folder; any other drive letter is the file-system root.
  bool isC = utf8[0] == 'C' || utf8[0] == 'c';
  std::string rest = utf8.substr(2);
  std::string root = isC ? HomeFolder() : std::string();
  if (rest.empty()) return isC ? root : "/";
  if (!root.empty() && root.back() == '/' && rest.front() == '/') root.pop_back();
  return root + rest;
}

std::string InsidePath(const std::string& nativePath) {
  std::string home = StripTrailingSeparators(HomeFolder());
  std::string path = nativePath;
  if (home != "/" && (path == home || path.rfind(home + "/", 0) == 0)) path = "C:" + path.substr(home.size());
  for (char& c : path)
    if (c == '/') c = '\\';
  return Utf8ToAnsi(path);
}

std::string GetExeFolder() {
  char buffer[4096];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  std::string exe(buffer, static_cast<size_t>(n));
  return InsidePath(exe.substr(0, exe.find_last_of('/')));
}

bool PathExists(const std::string& path) {
  std::string trimmed = path;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  if (trimmed.empty() || trimmed.size() > kMaxPath) return false;
  struct stat st;
  return stat(NativePath(trimmed).c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  std::string data;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) data.append(buffer, static_cast<size_t>(n));
  close(fd);
  if (n < 0) return false;
  bytes.swap(data);
  return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  std::string target = NativePath(path);
  struct stat st;
  mode_t mode = 0644;
  if (stat(target.c_str(), &st) == 0) {
    // A file without any write permission is read-only, also for root, who could otherwise replace it.
    if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (access(target.c_str(), W_OK) != 0) return false;
    mode = st.st_mode & 07777;
  }
  std::string temp = target + ".new-" + std::to_string(getpid());
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return false;
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  bool ok = written == bytes.size() && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok && rename(temp.c_str(), target.c_str()) == 0) return true;
  unlink(temp.c_str());
  return false;
}

bool CreateFolder(const std::string& path) {
  return mkdir(NativePath(path).c_str(), 0777) == 0;
}
