#include "platform/files.h"

#include <windows.h>

namespace {

constexpr size_t kMaxPath = 259;

}  // namespace

std::string NativePath(const std::string& path) { return path; }
std::string InsidePath(const std::string& nativePath) { return nativePath; }

std::string GetExeFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string exe(buffer, n);
  // The last backslash that is not the second byte of a double-byte character.
  size_t cut = std::string::npos;
  for (size_t i = 0; i < exe.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(exe[i])) && i + 1 < exe.size()) {
      ++i;
      continue;
    }
    if (exe[i] == '\\') cut = i;
  }
  return cut == std::string::npos ? exe : exe.substr(0, cut);
}

bool PathExists(const std::string& path) {
  std::string trimmed = path;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  if (trimmed.empty() || trimmed.size() > kMaxPath) return false;
  return GetFileAttributesA(trimmed.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string data;
  char buffer[65536];
  DWORD n = 0;
  BOOL ok;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &n, nullptr)) && n > 0) data.append(buffer, n);
  CloseHandle(file);
  if (!ok) return false;
  bytes.swap(data);
  return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  std::string temp = path + ".new-" + std::to_string(GetCurrentProcessId());
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (ok && MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileA(temp.c_str());
  return false;
}

bool CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
