// The updater program. The host starts it, without arguments, from the install folder when the candidate
// accepts an update, and then ends. The updater waits for the host to be gone, installs the package the
// version marker names, and starts the host again, whether the update was installed or not, so the
// candidate is never left without the program. A package that is damaged or unsafe is deleted, so the
// next start downloads it afresh instead of offering it again.
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/ini_file.h"
#include "platform/codepage.h"
#include "platform/file_moves.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/start_program.h"
#include "programs/update/install_package.h"
#include "update/update_files.h"

namespace {

// The host of this install folder, while it is still shutting down (it stops its web server and pauses a
// second): its files cannot be replaced before it is gone, and its shutdown would stop the servers of the
// host started next.
void WaitForHostToEnd(const std::string& hostPath) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    bool running = false;
    for (const ProcessEntry& process : FindProcessesByImage(std::string(HOST_IMAGE)))
      running = running || process.executable == hostPath;
    if (!running) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

}  // namespace

int main() {
  std::string installFolder = GetExeFolder();
  std::string hostPath = installFolder + "\\" + std::string(HOST_IMAGE);
  std::string updateFolder = UpdateFolder(IniFile::Configuration(installFolder));
  WaitForHostToEnd(hostPath);

  InstallOutcome outcome = InstallPackage(installFolder, updateFolder);
  if (outcome.installed) {
    std::printf("update: version %s installed\n", AnsiToUtf8(outcome.version).c_str());
  } else {
    std::fprintf(stderr, "update: nothing was installed: %s\n", outcome.reason.c_str());
    if (outcome.packageUseless && RemoveFile(PackageZipPath(updateFolder, outcome.version)))
      std::fprintf(stderr, "update: the package was deleted and will be downloaded again\n");
  }
  if (!StartProgram(hostPath, installFolder))
    std::fprintf(stderr, "update: cannot start %s\n", NativePath(hostPath).c_str());
  return outcome.installed ? 0 : 1;
}
