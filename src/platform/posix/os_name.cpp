#include "platform/os_name.h"

#include "platform/codepage.h"
#include "platform/files.h"

std::string OsReleasePrettyName(std::string_view osRelease) {
  constexpr std::string_view kKey = "PRETTY_NAME=";
  size_t start = 0;
  while (start < osRelease.size()) {
    size_t end = osRelease.find('\n', start);
    if (end == std::string_view::npos) end = osRelease.size();
    std::string_view line = osRelease.substr(start, end - start);
    start = end + 1;
    if (line.substr(0, kKey.size()) != kKey) continue;
    std::string_view value = line.substr(kKey.size());
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      char quote = value.front();
      value = value.substr(1, value.size() - 2);
      if (quote == '\'') return std::string(value);
    }
    std::string name;
    for (size_t i = 0; i < value.size(); ++i) {
      if (value[i] == '\\' && i + 1 < value.size()) ++i;
      name += value[i];
    }
    return name;
  }
  return std::string();
}

std::string GetOsName() {
  std::string text;
  if (!ReadFileBytes(InsidePath("/etc/os-release"), text)) return "unknown";
  return Utf8ToAnsi(OsReleasePrettyName(text));
}
