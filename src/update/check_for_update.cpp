#include "update/check_for_update.h"

#include <fstream>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/download.h"
#include "platform/file_moves.h"
#include "platform/files.h"
#include "platform/os_name.h"
#include "update/package_download.h"
#include "update/update_files.h"
#include "update/update_ready.h"
#include "window/split_string.h"

namespace {

constexpr size_t kBufferSize = 260;
constexpr size_t kMaxReplyLine = 4096;

// Keeps the first line of a reply with status 200.
class FirstLine : public DownloadReceiver {
 public:
  bool Head(const DownloadHead& head) override {
    ok_ = head.status == 200;
    return ok_;
  }
  bool Piece(std::string_view bytes) override {
    size_t end = bytes.find('\n');
    line_.append(bytes.substr(0, end));
    ended_ = end != std::string_view::npos;
    return !ended_ && line_.size() < kMaxReplyLine;
  }

  // The line, when the reply was a 200 answer whose first line arrived whole.
  bool Take(bool transferOk, std::string& line) const {
    if (!ok_ || !(ended_ || transferOk) || line_.size() >= kMaxReplyLine) return false;
    line = line_;
    return true;
  }

 private:
  bool ok_ = false;
  bool ended_ = false;
  std::string line_;
};

std::string ReadSetting(const IniFile& config, const char* section, const char* key, const char* fallback) {
  std::string value;
  config.ReadString(section, key, value, kBufferSize);
  return value.empty() ? fallback : value;
}

bool Readable(const std::string& path) { return std::ifstream(NativePath(path), std::ios::binary).is_open(); }

}  // namespace

UpdateCheck ReadUpdateCheck(const IniFile& config, const std::string& currentVersion,
                            const std::string& updateFolder) {
  UpdateCheck check;
  check.checkAddress = ReadSetting(config, "download", "url", DEFAULT_CHECK_ADDRESS);
  check.province = ReadSetting(config, "province", "province", "beijing");
  check.osName = GetOsName();
  check.currentVersion = currentVersion;
  check.updateFolder = updateFolder;
  return check;
}

std::string CheckRequest(const UpdateCheck& check) {
  return check.checkAddress + "?os=" + check.osName + "&ver=" + check.currentVersion + "&prov=" + check.province;
}

bool CheckForUpdatePass(const UpdateCheck& check) {
  FirstLine reply;
  std::string line;
  if (!reply.Take(Download(CheckRequest(check), 0, reply), line)) return false;
  std::vector<std::string> pieces = SplitString(line, '|');
  std::string newVersion = pieces.empty() ? std::string() : pieces[0];
  std::string packageAddress = pieces.size() > 1 ? pieces[1] : std::string();
  if (newVersion == check.currentVersion || !IsAcceptableVersion(newVersion)) return false;

  if (!ReplaceFileAtomically(VersionMarkerPath(check.updateFolder), newVersion)) return false;
  std::string tmp = PackageTmpPath(check.updateFolder, newVersion);
  std::string zip = PackageZipPath(check.updateFolder, newVersion);
  if (Readable(zip)) return true;
  return DownloadPackage(packageAddress, tmp) && RenameFile(tmp, zip, true);
}

void CheckForUpdate(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                    UpdateReadyRelay& relay) {
  if (CheckForUpdatePass(ReadUpdateCheck(config, currentVersion, updateFolder))) relay.Send();
}

bool StartUpdateThread(const IniFile& config, const std::string& currentVersion, const std::string& updateFolder,
                       std::shared_ptr<UpdateReadyRelay> relay) {
  try {
    std::thread([=] { CheckForUpdate(config, currentVersion, updateFolder, *relay); }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}
