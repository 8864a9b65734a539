// The update check and the package download against the sample site's real nginx and php-cgi: its
// checkupdate.php, packages served as static files (ranges answered with 206), and a PHP endpoint that
// misbehaves on purpose.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <random>

#include "platform/files.h"
#include "support/sample_site.h"
#include "update/check_for_update.h"
#include "update/replace_updater.h"
#include "update/update_files.h"
#include "update/update_ready.h"

namespace fs = std::filesystem;

namespace {

const std::string kVersion = "2.0.0";

// A package of a few hundred kilobytes, so that it arrives in many pieces.
std::string PackageBytes() {
  std::mt19937 random(7);
  std::string bytes(300000, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  UpdateCheckTest()
      : webRoot_(NativePath(site_.WebRoot())),
        update_(NativePath(UpdateFolder(IniFile::Configuration(site_.InstallFolder())))),
        package_(PackageBytes()) {
    WriteAll(webRoot_ / "packages" / (kVersion + ".zip"), package_);
    fs::copy_file(fs::path(EXAMHOST_SOURCE_DIR) / "tests/integration/update/misbehave.php", webRoot_ / "misbehave.php");
    check_.checkAddress = Url("mkauth/checkupdate.php");
    check_.province = "beijing";
    check_.osName = "Test OS 1";
    check_.currentVersion = "1.0.0";
    check_.updateFolder = InsidePath(update_.string());
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(site_.WebPort()) + "/" + path;
  }
  // Makes misbehave.php answer the update check with this status and body.
  void CheckReply(int status, const std::string& body) {
    WriteAll(webRoot_ / "misbehave-reply.txt", std::to_string(status) + "\n" + body);
    check_.checkAddress = Url("misbehave.php");
  }
  void Offer(const std::string& packageAddress) { CheckReply(200, kVersion + "|" + packageAddress + "\r\n"); }

  fs::path Tmp() const { return update_ / (kVersion + ".tmp"); }
  fs::path Zip() const { return update_ / (kVersion + ".zip"); }
  // Status codes nginx logged for the static package.
  std::vector<std::string> PackageStatuses() const {
    std::vector<std::string> statuses;
    std::ifstream log(site_.NativeInstallFolder() + "/server/nginx/logs/access.log");
    for (std::string line; std::getline(log, line);)
      if (line.find("GET /packages/" + kVersion + ".zip") != std::string::npos)
        statuses.push_back(line.substr(line.find("\" ") + 2, 3));
    return statuses;
  }

  SampleSite site_;
  fs::path webRoot_, update_;
  std::string package_;
  UpdateCheck check_;
};

TEST_F(UpdateCheckTest, ResumesAPartialPackageWithARangeAndOffersItAgainWithoutDownloading) {
  WriteAll(Tmp(), package_.substr(0, 100000));
  EXPECT_TRUE(CheckForUpdatePass(check_));
  EXPECT_EQ(ReadAll(update_ / "version"), kVersion);
  EXPECT_FALSE(fs::exists(Tmp()));
  EXPECT_TRUE(ReadAll(Zip()) == package_);
  EXPECT_EQ(PackageStatuses(), std::vector<std::string>{"206"});
  EXPECT_EQ(site_.Requests().back(), "GET /mkauth/checkupdate.php?os=Test%20OS%201&ver=1.0.0&prov=beijing");

  // A later start finds the complete package and offers it without asking the server for it.
  EXPECT_TRUE(CheckForUpdatePass(check_));
  EXPECT_EQ(PackageStatuses().size(), 1u);

  // The installed version is the one offered: nothing more happens.
  fs::remove(Zip());
  fs::remove(update_ / "version");
  check_.currentVersion = kVersion;
  EXPECT_FALSE(CheckForUpdatePass(check_));
  EXPECT_TRUE(fs::is_empty(update_));
}

TEST_F(UpdateCheckTest, AReplyThatIsNoVersionWritesNothing) {
  struct Case {
    int status;
    std::string body;
  } cases[] = {
      {500, kVersion + "|" + Url("packages/2.0.0.zip") + "\n"},
      {404, "<html>Not Found</html>\n"},
      {200, "..\\..\\x|" + Url("packages/2.0.0.zip") + "\n"},
      {200, "../x|" + Url("packages/2.0.0.zip") + "\n"},
      {200, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.status) + " " + c.body);
    CheckReply(c.status, c.body);
    EXPECT_FALSE(CheckForUpdatePass(check_));
    EXPECT_TRUE(fs::is_empty(update_));
    EXPECT_FALSE(fs::exists(fs::path(site_.NativeInstallFolder()).parent_path() / "x.tmp"));
  }
  EXPECT_TRUE(PackageStatuses().empty());
}

TEST_F(UpdateCheckTest, AServerIgnoringTheRangeRestartsThePackageInsteadOfAppending) {
  WriteAll(Tmp(), package_.substr(0, 1000));
  Offer(Url("misbehave.php?package=2.0.0.zip&mode=ignore-range"));
  EXPECT_TRUE(CheckForUpdatePass(check_));
  EXPECT_TRUE(ReadAll(Zip()) == package_);
}

TEST_F(UpdateCheckTest, AFailingAnswerLeavesThePartialPackageAsItWas) {
  WriteAll(Tmp(), package_.substr(0, 1000));
  for (const std::string& address : {Url("misbehave.php?package=2.0.0.zip&mode=fail"), Url("nowhere.zip"),
                                     std::string("http://127.0.0.1:1/refused.zip"), std::string("")}) {
    SCOPED_TRACE(address);
    Offer(address);
    EXPECT_FALSE(CheckForUpdatePass(check_));
    EXPECT_TRUE(ReadAll(Tmp()) == package_.substr(0, 1000));
    EXPECT_FALSE(fs::exists(Zip()));
  }
}

TEST_F(UpdateCheckTest, ATransferCutInTheMiddleStaysTmpAndTheNextStartCompletesIt) {
  Offer(Url("misbehave.php?package=2.0.0.zip&mode=cut"));
  EXPECT_FALSE(CheckForUpdatePass(check_));
  EXPECT_FALSE(fs::exists(Zip()));
  std::string partial = ReadAll(Tmp());
  EXPECT_GT(partial.size(), 0u);
  EXPECT_LT(partial.size(), package_.size());
  EXPECT_TRUE(package_.compare(0, partial.size(), partial) == 0);

  Offer(Url("packages/2.0.0.zip"));
  EXPECT_TRUE(CheckForUpdatePass(check_));
  EXPECT_TRUE(ReadAll(Zip()) == package_);
  EXPECT_EQ(PackageStatuses(), std::vector<std::string>{"206"});
}

// Start-up's road: the thread reads the check address from the configuration, downloads, and its report
// waits for the exam window.
TEST_F(UpdateCheckTest, TheUpdateThreadReportsACompletePackageOnceTheWindowExists) {
  IniFile configuration = IniFile::Configuration(site_.InstallFolder());
  ASSERT_TRUE(configuration.WriteString("download", "url", Url("mkauth/checkupdate.php")));
  auto relay = std::make_shared<UpdateReadyRelay>();
  ASSERT_TRUE(ReplaceUpdater(configuration, "1.0.0", check_.updateFolder, relay));
  for (int attempt = 0; attempt < 500 && !fs::exists(Zip()); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(ReadAll(Zip()) == package_);

  std::promise<void> reported;
  relay->Attach([&] { reported.set_value(); });
  EXPECT_EQ(reported.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
  std::string request = site_.Requests().back();
  EXPECT_EQ(request.rfind("GET /mkauth/checkupdate.php?os=", 0), 0u) << request;
  EXPECT_TRUE(request.ends_with("&ver=1.0.0&prov=beijing")) << request;
}

}  // namespace
