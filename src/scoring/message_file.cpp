#include "scoring/message_file.h"

namespace {

constexpr size_t kTextBuffer = 260;

IniFile MessageFileNamed(const std::string& webRoot, const std::string& name) {
  return IniFile(webRoot + "score\\info\\" + name);
}

}  // namespace

IniFile OpenMessageFile(const IniFile& criteria, const std::string& webRoot) {
  std::string name;
  criteria.ReadString("msg", "path", name, kTextBuffer);
  return MessageFileNamed(webRoot, name);
}

IniFile OpenMessageFile(const std::string& criteriaPath, const std::string& webRoot) {
  return MessageFileNamed(webRoot, ReadIniString(criteriaPath, "msg", "path", "", kTextBuffer));
}

std::string MessageText(const IniFile& messages, std::string_view key) {
  std::string text;
  messages.ReadString("msg", key, text, kTextBuffer);
  return text;
}
