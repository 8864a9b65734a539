#pragma once
// Processes: launching the web server programs hidden in their folders, finding and killing them, ending
// this process. Paths are inside paths (see files.h).
#include <string>
#include <vector>

// The running executable's file name without folder and extension ("examhost").
std::string GetExeName();

// Starts `program` with `arguments` in `folder` (also its working folder), without a window or terminal,
// with this process's environment plus the "NAME=value" entries of `environment`. The program is taken
// from `folder` when it is there, else from the search path; on POSIX a trailing ".exe" is dropped from
// its name. Not waited for; false when it could not be started at all.
bool LaunchHidden(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder, const std::vector<std::string>& environment);

struct ProcessEntry {
  int id = 0;
  std::string executable;  // the program file, empty when it cannot be read
  std::string folder;      // the working folder, empty when it cannot be read
};

// Running processes whose image name equals `imageName` without regard to case; on POSIX ".exe" is
// dropped from the name, and a process counts under the name it was started by as well as its file's.
std::vector<ProcessEntry> FindProcessesByImage(const std::string& imageName);

// Kills a process at once, without letting it clean up.
bool KillProcess(int id);

// Ends this process at once with `code`; no destructors run.
[[noreturn]] void ExitProcessNow(int code);
