#include "platform/start_program.h"

#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"

bool StartProgram(const std::string& program, const std::string& folder) {
  std::string path = NativePath(program);
  std::string directory = NativePath(folder);
  if (access(path.c_str(), X_OK) != 0) return false;
  char* const argv[] = {path.data(), nullptr};
  // Two forks: the program belongs to a session of its own and to no process of ours, so it outlives us and
  // leaves no zombie behind. Only async-signal-safe calls follow the fork.
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      if (chdir(directory.c_str()) == 0) execv(argv[0], argv);
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
