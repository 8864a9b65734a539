#include "window/workspace.h"

#include "app/texts.h"
#include "platform/files.h"
#include "window/split_string.h"

namespace {

constexpr size_t kSettingBuffer = 260;
constexpr std::string_view kDefaultCandidateFolder = "C:\\考生文件夹";
constexpr std::string_view kWorkFolder = "C:\\WORK";

void CreateWhenMissing(const std::string& folder) {
  if (!PathExists(folder)) CreateFolder(folder);
}

std::string Setting(const IniFile& config, const char* key) {
  std::string value;
  config.ReadString("personal_exam", key, value, kSettingBuffer);
  return value;
}

}  // namespace

void PrepareWorkspace(const IniFile& config, const std::string& updateFolder) {
  std::string folder = Setting(config, "path");
  if (folder.empty()) folder = AnsiText(kDefaultCandidateFolder);
  CreateWhenMissing(folder);
  CreateWhenMissing(std::string(kWorkFolder));
  for (const std::string& piece : SplitString(Setting(config, "subpath"), ','))
    CreateWhenMissing(folder + "\\" + piece);
  CreateWhenMissing(updateFolder);
}
