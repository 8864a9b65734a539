#pragma once
// The update check: ask the update server which version it offers and, when that differs from the
// installed one, download its package into the update folder, continuing an earlier partial download.
// Runs once per program start on a thread of its own; it shows nothing and gives up quietly on any error.
#include <memory>
#include <string>

#include "app/ini_file.h"

class UpdateReadyRelay;

// Used when [download] url is empty. Only its path is fixed; the host is a placeholder to be configured.
inline constexpr const char* DEFAULT_CHECK_ADDRESS = "http://update.examhost.invalid/mkauth/checkupdate.php";

// Everything one pass needs, fixed before it starts.
struct UpdateCheck {
  std::string checkAddress;    // [download] url, or DEFAULT_CHECK_ADDRESS
  std::string province;        // [province] province, or "beijing"
  std::string osName;          // GetOsName
  std::string currentVersion;  // [version] version of the installed program
  std::string updateFolder;    // where the version marker and the packages are kept
};

// The check's inputs from the configuration and the operating system.
UpdateCheck ReadUpdateCheck(const IniFile& config, const std::string& currentVersion,
                            const std::string& updateFolder);

// The check address followed by "?os=<os name>&ver=<current version>&prov=<province>", values as they are.
std::string CheckRequest(const UpdateCheck& check);

// One pass of the check. True when a complete package of a different version waits in the update folder:
// either one found from an earlier run or one this pass finished downloading. A reply other than status
// 200, the installed version, or a version that cannot name a file ends the pass with nothing written.
bool CheckForUpdatePass(const UpdateCheck& check);

// The update thread's body: reads the check's inputs, runs one pass and, when a package is ready, tells
// the exam window through `relay` (waiting until the window has answered).
void CheckForUpdate(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                    UpdateReadyRelay& relay);

// Starts CheckForUpdate on a thread of its own, which is never waited for. False when no thread could be
// started.
bool StartUpdateThread(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                       std::shared_ptr<UpdateReadyRelay> relay);
