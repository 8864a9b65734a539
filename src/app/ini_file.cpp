#include "app/ini_file.h"

#include <optional>

#include "app/ini_parser.h"
#include "platform/files.h"

namespace {

std::optional<std::string> Lookup(const std::string& path, std::string_view section, std::string_view key) {
  std::string content;
  if (!ReadFileBytes(path, content)) return std::nullopt;
  return IniFindValue(content, section, key);
}

std::string Cut(std::string value, size_t size) {
  if (size == 0) return std::string();
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

}  // namespace

IniFile::IniFile() : IniFile(GetExeFolder(), true) {}

IniFile::IniFile(const std::string& path) : path_(path), exeFolder_(GetExeFolder()) {
  if (path_.empty()) ChooseConfiguration();
}

IniFile::IniFile(const std::string& exeFolder, bool) : exeFolder_(exeFolder) { ChooseConfiguration(); }

IniFile IniFile::Configuration(const std::string& exeFolder) { return IniFile(exeFolder, true); }

void IniFile::ChooseConfiguration() {
  path_ = exeFolder_ + "\\conf\\global.ini";
  state_ = INI_FOUND;
  if (PathExists(path_)) return;
  path_ = exeFolder_ + "\\conf\\global.ini-dist";
  state_ = PathExists(path_) ? INI_DIST : INI_MISSING;
}

bool IniFile::Exists() const { return PathExists(path_); }

size_t IniFile::ReadString(std::string_view section, std::string_view key, std::string& buffer,
                           size_t size) const {
  if (!Exists()) return 0;
  buffer = ReadIniString(path_, section, key, "", size);
  return buffer.size();
}

bool IniFile::ReadInt(std::string_view section, std::string_view key, int& out) const {
  if (!Exists()) return false;
  out = ReadIniInt(path_, section, key, INI_ABSENT);
  return true;
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!Exists()) return false;
  std::string content;
  if (!ReadFileBytes(path_, content)) return false;
  std::optional<std::string> edited = IniSetValue(content, section, key, value);
  return edited && ReplaceFileAtomically(path_, *edited);
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue, size_t size) {
  std::optional<std::string> value = Lookup(path, section, key);
  return Cut(value ? *value : std::string(defaultValue), size);
}

int ReadIniInt(const std::string& path, std::string_view section, std::string_view key, int defaultValue) {
  std::optional<std::string> value = Lookup(path, section, key);
  int number = defaultValue;
  if (value && !IniParseInt(*value, number)) number = defaultValue;
  return number;
}
