#pragma once
// Runs a shell command line and collects what it prints (stderr too when the command redirects it).
#include <string>

struct ProgramRun {
  int status;  // exit status, -1 when the program did not end normally
  std::string out;
};

ProgramRun RunCommand(const std::string& command);
