#include "platform/start_program.h"

#include <windows.h>
#include <shellapi.h>

bool StartProgram(const std::string& program, const std::string& folder) {
  HINSTANCE result = ShellExecuteA(nullptr, nullptr, program.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
