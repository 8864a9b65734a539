#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <filesystem>
#include <future>
#include <thread>

#include "app/texts.h"
#include "platform/codepage.h"
#include "support/temp_folder.h"
#include "update/replace_updater.h"
#include "update/update_files.h"
#include "update/update_ready.h"

namespace fs = std::filesystem;

namespace {

const std::string kUpdater(UPDATER_IMAGE);

TEST(PutNewUpdaterInService, SwapsOnlyTheUpdaterOfTheInstalledVersionAndReplacesAnOldBackup) {
  struct Case {
    const char* name;
    std::string version;
    std::vector<std::string> before;  // files as name=content
    std::vector<std::string> after;
  } cases[] = {
      {"first update", "2.1", {kUpdater + "=old", kUpdater + "_2.1=new"}, {kUpdater + "=new", kUpdater + ".bak=old"}},
      {"later update",
       "2.2",
       {kUpdater + "=old", kUpdater + ".bak=older", kUpdater + "_2.2=new"},
       {kUpdater + "=new", kUpdater + ".bak=old"}},
      {"other version", "2.1", {kUpdater + "=old", kUpdater + "_2.0=new"}, {kUpdater + "=old", kUpdater + "_2.0=new"}},
      {"empty version", "", {kUpdater + "=old", kUpdater + "_=new"}, {kUpdater + "=new", kUpdater + ".bak=old"}},
      {"no updater yet", "2.1", {kUpdater + "_2.1=new"}, {kUpdater + "=new"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder exe;
    for (const std::string& file : c.before) exe.Write(file.substr(0, file.find('=')), file.substr(file.find('=') + 1));
    PutNewUpdaterInService(exe.Inside(), c.version);
    std::vector<std::string> after;
    for (const auto& entry : fs::directory_iterator(exe.Native()))
      after.push_back(entry.path().filename().string() + "=" + exe.Read(entry.path().filename().string()));
    std::vector<std::string> expected = c.after;
    std::sort(after.begin(), after.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);
  }
}

class FakeWindow : public UpdateWindow {
 public:
  explicit FakeWindow(bool answer) : answer_(answer) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    text_ = text;
    caption_ = caption;
    return answer_;
  }
  void Quit() override { quit_ = true; }

  bool answer_;
  bool quit_ = false;
  std::string text_, caption_;
};

bool AppearsWithin(const std::string& path, std::chrono::seconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(path)) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

TEST(OnUpdateReady, YesStartsTheUpdaterInTheExecutableFolderAndEndsTheWindow) {
  TempFolder exe;
  std::string updater = exe.Write(kUpdater, "#!/bin/sh\npwd > started\n");
  fs::permissions(updater, fs::perms::owner_exec, fs::perm_options::add);

  FakeWindow no(false);
  EXPECT_EQ(OnUpdateReady(no, exe.Inside()), 0);
  EXPECT_FALSE(no.quit_);
  EXPECT_EQ(AnsiToUtf8(no.text_), "已下载了模考系统最新版本的程序，是否更新当前版本？");
  EXPECT_EQ(AnsiToUtf8(no.caption_), "升级到新版本");

  FakeWindow yes(true);
  EXPECT_EQ(OnUpdateReady(yes, exe.Inside()), 0);
  EXPECT_TRUE(yes.quit_);
  ASSERT_TRUE(AppearsWithin(exe.Native() + "/started", std::chrono::seconds(10)));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // until pwd has written its line
  EXPECT_EQ(exe.Read("started"), fs::canonical(exe.Native()).string() + "\n");
}

TEST(OnUpdateReady, AMissingUpdaterStillEndsTheWindow) {
  TempFolder exe;
  FakeWindow yes(true);
  EXPECT_EQ(OnUpdateReady(yes, exe.Inside()), 0);
  EXPECT_TRUE(yes.quit_);
}

TEST(UpdateReadyRelay, AReportBeforeTheWindowExistsIsDeliveredOnceItDoes) {
  UpdateReadyRelay relay;
  std::future<void> sent = std::async(std::launch::async, [&] { relay.Send(); });
  EXPECT_EQ(sent.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
  int delivered = 0;
  relay.Attach([&] { ++delivered; });
  sent.get();
  EXPECT_EQ(delivered, 1);
  relay.Send();  // with the window present the call returns after the handler ran
  EXPECT_EQ(delivered, 2);
}

TEST(UpdateReadyRelay, AClosedWindowLetsTheUpdateThreadGo) {
  UpdateReadyRelay relay;
  std::future<void> sent = std::async(std::launch::async, [&] { relay.Send(); });
  relay.Close();
  EXPECT_EQ(sent.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  bool delivered = false;
  relay.Attach([&] { delivered = true; });
  relay.Send();
  EXPECT_FALSE(delivered);
}

}  // namespace
