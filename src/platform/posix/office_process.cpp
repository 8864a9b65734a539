#include "platform/office_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// posix_spawn cannot ask for the parent-death signal, so the child sets it itself before exec.
int ForkOffice(const std::string& program, std::vector<char*>& argv, std::vector<char*>& envp) {
  pid_t parent = getpid();
  pid_t pid = fork();
  if (pid != 0) return pid;
  setsid();
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);  // the parent ended before the signal was armed
  execve(program.c_str(), argv.data(), envp.data());
  _exit(127);
}

}  // namespace

int StartOfficeProcess(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& tempFolder) {
  if (access(program.c_str(), X_OK) != 0) return -1;
  std::vector<std::string> strings;
  strings.push_back(program);
  strings.insert(strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  // Everything is prepared before fork: the child may only call async-signal-safe functions.
  std::string temp = "TMPDIR=" + tempFolder;
  std::vector<char*> envp;
  for (char** variable = environ; *variable; ++variable)
    if (std::string_view(*variable).rfind("TMPDIR=", 0) != 0) envp.push_back(*variable);
  envp.push_back(temp.data());
  envp.push_back(nullptr);
  return ForkOffice(program, argv, envp);
}

bool OfficeProcessRunning(int pid, int& exitCode) {
  int status = 0;
  pid_t result = waitpid(pid, &status, WNOHANG);
  if (result == 0) return true;
  if (result == pid) exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return false;
}

bool WaitForOfficeProcess(int pid, int milliseconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  int exitCode = 0;
  while (OfficeProcessRunning(pid, exitCode)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void KillOfficeProcess(int pid) {
  if (pid <= 0) return;
  kill(-pid, SIGKILL);  // the session's process group: the office and anything it started
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
}

std::string CreatePrivateFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  return mkdtemp(pattern.data()) ? pattern : std::string();
}

void RemoveFolderTree(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void RemoveOfficePipe(const std::string& name) {
  std::error_code ignored;
  std::filesystem::remove("/tmp/OSL_PIPE_" + std::to_string(getuid()) + "_" + name, ignored);
}
