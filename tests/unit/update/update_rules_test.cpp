#include <gtest/gtest.h>

#include "update/resume_rules.h"
#include "update/update_files.h"

namespace {

TEST(UpdateVersion, OnlyVersionsThatNameAFileInTheUpdateFolderAreAccepted) {
  for (const char* good : {"2.1", "2021.10.3", "v3-beta_1", "\xB0\xE6\xB1\xBE 1"})  // "版本 1" in GBK
    EXPECT_TRUE(IsAcceptableVersion(good)) << good;
  for (const char* bad : {"", "..\\..\\x", "../x", "a..b", "C:x", "sub\\2.1", "sub/2.1", "2.1\r", "a*b", "a?b",
                          "a|b", "<html>", "\"q\""})
    EXPECT_FALSE(IsAcceptableVersion(bad)) << bad;
}

TEST(UpdateFiles, NamesInTheUpdateAndExecutableFolders) {
  EXPECT_EQ(PackageTmpPath("C:\\app\\update", "2.1"), "C:\\app\\update\\2.1.tmp");
  EXPECT_EQ(PackageZipPath("C:\\app\\update", "2.1"), "C:\\app\\update\\2.1.zip");
  EXPECT_EQ(VersionMarkerPath("C:\\app\\update"), "C:\\app\\update\\version");
  EXPECT_EQ(NewUpdaterPath("C:\\app", "2.1"), "C:\\app\\" + std::string(UPDATER_IMAGE) + "_2.1");
  EXPECT_EQ(OldUpdaterPath("C:\\app"), "C:\\app\\" + std::string(UPDATER_IMAGE) + ".bak");
}

DownloadHead Head(int status, const char* contentRange = "", long long contentLength = -1) {
  return DownloadHead{status, contentRange, contentLength};
}

TEST(ResumeRules, AnAnswerContinuesTheTmpFileOnlyWhereItEnds) {
  struct Case {
    DownloadHead head;
    long long tmpSize;
    BodyAction action;
    long long expected;
  } cases[] = {
      {Head(200, "", 5000), 0, BodyAction::Restart, 5000},
      {Head(200, "", 5000), 1000, BodyAction::Restart, 5000},  // the server ignored the Range header
      {Head(200), 1000, BodyAction::Restart, -1},
      {Head(206, "bytes 1000-4999/5000", 4000), 1000, BodyAction::Append, 5000},
      {Head(206, "bytes 1000-1999/5000", 1000), 1000, BodyAction::Append, 5000},  // only part of the rest
      {Head(206, "bytes 1000-4999/*", 4000), 1000, BodyAction::Append, 5000},
      {Head(206, "bytes 0-4999/5000", 5000), 0, BodyAction::Append, 5000},
      {Head(206, "bytes 0-4999/5000", 5000), 1000, BodyAction::Refuse, -1},  // from the wrong place
      {Head(206, "", 4000), 1000, BodyAction::Refuse, -1},
      {Head(206, "bytes x-4999/5000", 4000), 1000, BodyAction::Refuse, -1},
      {Head(416, "bytes */5000"), 5000, BodyAction::AlreadyComplete, 5000},
      {Head(416, "bytes */5000"), 6000, BodyAction::Refuse, -1},
      {Head(500, "", 100), 1000, BodyAction::Refuse, -1},
      {Head(404), 0, BodyAction::Refuse, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.head.status) + " " + c.head.contentRange + " at " + std::to_string(c.tmpSize));
    BodyAction action = DecideBody(c.head, c.tmpSize);
    EXPECT_EQ(action, c.action);
    if (action != BodyAction::Refuse) {
      EXPECT_EQ(ExpectedPackageSize(c.head, action), c.expected);
    }
  }
}

TEST(ResumeRules, CompleteOnlyWithoutErrorAndAtTheAnnouncedSize) {
  EXPECT_TRUE(PackageComplete(true, 5000, 5000));
  EXPECT_TRUE(PackageComplete(true, -1, 5000));
  EXPECT_FALSE(PackageComplete(false, 5000, 5000));  // the transfer broke after the last byte
  EXPECT_FALSE(PackageComplete(true, 5000, 2000));   // cut short, or only part of the rest sent
  EXPECT_FALSE(PackageComplete(true, -1, 0));        // nothing at all
}

}  // namespace
