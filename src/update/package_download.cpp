#include "update/package_download.h"

#include <cstdio>

#include "platform/download.h"
#include "platform/files.h"
#include "update/resume_rules.h"

namespace {

// Writes the answer's body into the .tmp file as the resume rules decide.
class PackageWriter : public DownloadReceiver {
 public:
  explicit PackageWriter(const std::string& tmpPath) : path_(NativePath(tmpPath)) {
    file_ = std::fopen(path_.c_str(), "ab");
    if (file_ && std::fseek(file_, 0, SEEK_END) == 0) size_ = std::ftell(file_);
  }
  ~PackageWriter() override {
    if (file_) std::fclose(file_);
  }

  bool Opened() const { return file_ && size_ >= 0; }
  long long Size() const { return size_; }
  BodyAction Action() const { return action_; }
  long long ExpectedSize() const { return expected_; }

  bool Head(const DownloadHead& head) override {
    action_ = DecideBody(head, size_);
    expected_ = ExpectedPackageSize(head, action_);
    if (action_ == BodyAction::Restart) {
      file_ = std::freopen(path_.c_str(), "wb", file_);
      size_ = 0;
      return file_ != nullptr;
    }
    return action_ == BodyAction::Append;
  }

  bool Piece(std::string_view bytes) override {
    size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_);
    size_ += static_cast<long long>(written);
    return written == bytes.size() && std::fflush(file_) == 0;
  }

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
  long long size_ = -1;
  BodyAction action_ = BodyAction::Refuse;
  long long expected_ = -1;
};

}  // namespace

bool DownloadPackage(const std::string& url, const std::string& tmpPath) {
  PackageWriter writer(tmpPath);
  if (!writer.Opened()) return false;
  bool transferOk = Download(url, writer.Size(), writer);
  if (writer.Action() == BodyAction::AlreadyComplete) return true;
  return PackageComplete(transferOk, writer.ExpectedSize(), writer.Size());
}
