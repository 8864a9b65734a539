#include "update/replace_updater.h"

#include "platform/file_moves.h"
#include "platform/files.h"
#include "update/check_for_update.h"
#include "update/update_files.h"

void PutNewUpdaterInService(const std::string& exeFolder, const std::string& currentVersion) {
  std::string candidate = NewUpdaterPath(exeFolder, currentVersion);
  if (!PathExists(candidate)) return;
  // The old backup is replaced, so every update puts its updater into service, not only the first. When
  // the updater in service cannot be moved aside, the second rename refuses to replace it.
  RenameFile(UpdaterPath(exeFolder), OldUpdaterPath(exeFolder), true);
  RenameFile(candidate, UpdaterPath(exeFolder), false);
}

bool ReplaceUpdater(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                    std::shared_ptr<UpdateReadyRelay> relay) {
  PutNewUpdaterInService(config.ExeFolder(), currentVersion);
  return StartUpdateThread(config, currentVersion, updateFolder, std::move(relay));
}
