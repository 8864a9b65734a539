#include "window/web_root.h"

#include "app/ini_file.h"
#include "platform/files.h"

namespace {

std::string Setting(const IniFile& config, const char* key) {
  std::string value;
  config.ReadString("webserver", key, value, 260);
  return value;
}

}  // namespace

std::string WebRoot() { return WebRoot(GetExeFolder()); }

std::string WebRoot(const std::string& exeFolder) {
  IniFile config = IniFile::Configuration(exeFolder);
  return exeFolder + "\\" + Setting(config, "path") + "\\" + Setting(config, "webserver") + "\\" +
         Setting(config, "webroot") + "\\";
}
