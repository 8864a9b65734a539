#include "platform/shell_open.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"

// xdg-open runs in a grandchild in a session of its own: the intermediate child exits at once and is
// reaped here, so nothing is left behind as a zombie. The grandchild closes every descriptor but the
// standard three, so the opened program holds none of the host's sockets (the single-instance socket
// among them) after the host has ended.
void ShellOpen(const std::string& path) {
  std::string native = NativePath(path);
  char program[] = "xdg-open";
  char* argv[] = {program, native.data(), nullptr};
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      close_range(3, ~0U, 0);
      execvp(program, argv);
      _exit(127);
    }
    _exit(0);
  }
  int status;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}
