#pragma once
// Start-up's side of the hand-over: put a newly delivered updater into service, then start the update
// thread.
#include <memory>
#include <string>

#include "app/ini_file.h"

class UpdateReadyRelay;

// When <exe folder>\update_<current version> exists, the updater in service becomes update.bak (replacing
// an older one) and the delivered one becomes the updater. A failed rename leaves the files as they were.
void PutNewUpdaterInService(const std::string& exeFolder, const std::string& currentVersion);

// PutNewUpdaterInService, then the update thread (StartUpdateThread), on every start. False when the thread
// could not be started.
bool ReplaceUpdater(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                    std::shared_ptr<UpdateReadyRelay> relay);
