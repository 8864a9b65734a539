#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/files.h"

extern char** environ;

namespace {

std::string ReadLink(const std::string& path) {
  char buffer[4096];
  ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string WithoutExe(const std::string& name) {
  std::string lower = Lower(name);
  return lower.size() > 4 && lower.ends_with(".exe") ? name.substr(0, name.size() - 4) : name;
}

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The program in `folder` when it is there, else the first match on PATH (and the sbin folders, where
// Debian keeps nginx, which an ordinary user's PATH lacks).
std::string ResolveProgram(const std::string& name, const std::string& folder) {
  if (IsExecutableFile(folder + "/" + name)) return folder + "/" + name;
  const char* path = std::getenv("PATH");
  std::istringstream dirs(std::string(path ? path : "/usr/bin:/bin") + ":/usr/local/sbin:/usr/sbin:/sbin");
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty() && IsExecutableFile(dir + "/" + name)) return dir + "/" + name;
  return std::string();
}

// The names a process goes by: its program file's name, its kernel name and the first word of its
// command line (nginx rewrites that to "nginx: worker process"; php-cgi is a link to php-cgi8.2).
std::vector<std::string> ImageNames(const std::string& procDir, const std::string& executable) {
  std::vector<std::string> names{BaseName(executable)};
  std::string comm;
  std::getline(std::ifstream(procDir + "/comm"), comm);
  names.push_back(comm);
  std::string argv0;
  std::getline(std::ifstream(procDir + "/cmdline"), argv0, '\0');
  std::string first = BaseName(argv0.substr(0, argv0.find(' ')));
  if (!first.empty() && first.back() == ':') first.pop_back();
  names.push_back(first);
  return names;
}

}  // namespace

std::string GetExeName() {
  std::string name = BaseName(ReadLink("/proc/self/exe"));
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool LaunchHidden(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder, const std::vector<std::string>& environment) {
  std::string nativeFolder = NativePath(folder);
  std::string executable = ResolveProgram(WithoutExe(program), nativeFolder);
  if (executable.empty()) return false;

  std::vector<std::string> argStrings{WithoutExe(program)};
  argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::vector<std::string> envStrings;
  for (char** e = environ; *e; ++e) envStrings.emplace_back(*e);
  envStrings.insert(envStrings.end(), environment.begin(), environment.end());
  std::vector<char*> envp;
  for (std::string& entry : envStrings) envp.push_back(entry.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, nativeFolder.c_str());
  for (int fd = 0; fd <= 2; ++fd)
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Its own session: no terminal, and no signal meant for this program's process group reaches it.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  int failed = posix_spawn(&pid, executable.c_str(), &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (failed) return false;
  // Nobody waits for the server, so a thread collects its exit status and no zombie stays behind.
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return true;
}

std::vector<ProcessEntry> FindProcessesByImage(const std::string& imageName) {
  std::vector<ProcessEntry> found;
  std::string wanted = Lower(WithoutExe(imageName));
  DIR* proc = opendir("/proc");
  if (!proc) return found;
  while (dirent* entry = readdir(proc)) {
    if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0]))) continue;
    std::string dir = std::string("/proc/") + entry->d_name;
    // A process that has ended but not been collected yet has no program file: it is not running.
    std::string executable = ReadLink(dir + "/exe");
    if (executable.empty()) continue;
    for (const std::string& name : ImageNames(dir, executable)) {
      if (Lower(name) != wanted) continue;
      std::string cwd = ReadLink(dir + "/cwd");
      found.push_back({std::atoi(entry->d_name), InsidePath(executable), cwd.empty() ? cwd : InsidePath(cwd)});
      break;
    }
  }
  closedir(proc);
  return found;
}

bool KillProcess(int id) { return id > 0 && kill(id, SIGKILL) == 0; }

void ExitProcessNow(int code) { _exit(code); }
