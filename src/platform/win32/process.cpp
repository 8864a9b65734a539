#include "platform/process.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

namespace {

// Position after the last backslash that is not the second byte of a double-byte character.
size_t NameStart(const std::string& path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\') {
      start = i + 1;
    }
  }
  return start;
}

std::string Lower(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string Quote(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  return "\"" + argument + "\"";
}

// This process's environment with `additions` after it, as a block for CreateProcess.
std::string EnvironmentBlock(const std::vector<std::string>& additions) {
  std::string block;
  if (LPCH strings = GetEnvironmentStringsA()) {
    for (LPCH entry = strings; *entry; entry += std::strlen(entry) + 1) block.append(entry, std::strlen(entry) + 1);
    FreeEnvironmentStringsA(strings);
  }
  for (const std::string& entry : additions) block.append(entry.c_str(), entry.size() + 1);
  block.push_back('\0');
  return block;
}

std::string ProgramPath(const std::string& program, const std::string& folder) {
  std::string local = folder + "\\" + program;
  if (GetFileAttributesA(local.c_str()) != INVALID_FILE_ATTRIBUTES) return local;
  char found[MAX_PATH] = {};
  return SearchPathA(nullptr, program.c_str(), nullptr, MAX_PATH, found, nullptr) ? found : std::string();
}

}  // namespace

std::string GetExeName() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string name(buffer, n);
  name = name.substr(NameStart(name));
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool LaunchHidden(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder, const std::vector<std::string>& environment) {
  std::string path = ProgramPath(program, folder);
  if (path.empty()) return false;
  std::string commandLine = Quote(path);
  for (const std::string& argument : arguments) {
    commandLine += ' ';
    commandLine += Quote(argument);
  }
  std::string block = EnvironmentBlock(environment);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, block.data(),
                      folder.c_str(), &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::vector<ProcessEntry> FindProcessesByImage(const std::string& imageName) {
  std::vector<ProcessEntry> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  std::string wanted = Lower(imageName);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (Lower(entry.szExeFile) != wanted) continue;
    ProcessEntry process;
    process.id = static_cast<int>(entry.th32ProcessID);
    if (HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID)) {
      char path[MAX_PATH] = {};
      DWORD size = MAX_PATH;
      if (QueryFullProcessImageNameA(handle, 0, path, &size)) process.executable.assign(path, size);
      CloseHandle(handle);
    }
    found.push_back(process);
  }
  CloseHandle(snapshot);
  return found;
}

bool KillProcess(int id) {
  HANDLE handle = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id));
  if (!handle) return false;
  bool killed = TerminateProcess(handle, 1) != 0;
  CloseHandle(handle);
  return killed;
}

void ExitProcessNow(int code) { ExitProcess(static_cast<UINT>(code)); }
