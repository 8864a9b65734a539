#include "window/workspace.h"

#include "app/texts.h"
#include "platform/files.h"
#include "window/split_string.h"

namespace {

constexpr size_t kSettingBuffer = 260;

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
  if (folder.empty()) folder = AnsiText(DEFAULT_CANDIDATE_FOLDER);
  CreateWhenMissing(folder);
  CreateWhenMissing(std::string(WORK_FOLDER));
  for (const std::string& piece : SplitString(Setting(config, "subpath"), ','))
    CreateWhenMissing(folder + "\\" + piece);
  CreateWhenMissing(updateFolder);
}
