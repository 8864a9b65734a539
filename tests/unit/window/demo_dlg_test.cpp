#include "window/demo_dlg.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "app/texts.h"
#include "support/loopback_server.h"
#include "support/temp_folder.h"

namespace {

struct FakeView : ExamView {
  bool answer = false;
  std::string asked;
  int activated = 0, quit = 0;
  bool AskYesNo(const std::string& text, const std::string&) override {
    asked = text;
    return answer;
  }
  void Activate() override { ++activated; }
  void Quit() override { ++quit; }
};

struct StartCase {
  const char* config;  // nullptr: no configuration file at all
  const char* startUrl;
};

TEST(DemoDlg, StartUrlFromPortAndIndex) {
  const StartCase cases[] = {
      {"[server]\nport=10000\nindex=exam\n", "http://127.0.0.1:10000/exam/height/700"},
      {"[server]\nport=18080\n", "http://127.0.0.1:18080//height/700"},
      {"[server]\nindex=exam\n", "http://127.0.0.1:10000/exam/height/700"},
      {nullptr, "http://127.0.0.1:10000//height/700"},
      // [server] index is held in 32 bytes: 31 characters at most.
      {"[server]\nport=1\nindex=abcdefghijklmnopqrstuvwxyz0123456789\n",
       "http://127.0.0.1:1/abcdefghijklmnopqrstuvwxyz01234/height/700"},
  };
  for (const StartCase& c : cases) {
    TempFolder install;
    if (c.config) install.Write("conf/global.ini", c.config);
    FakeView view;
    Nginx supervisor(install.Inside());
    ScorerContext scorers;
    CDemoDlg dlg(view, supervisor, scorers, IniFile::Configuration(install.Inside()));
    EXPECT_EQ(dlg.OnInitDialog(), c.startUrl) << (c.config ? c.config : "no configuration");
  }
}

TEST(DemoDlg, RightButtonPassesOnlyWhileUnlockedReadOnEveryPress) {
  TempFolder install;
  install.Write("conf/global.ini", "");
  FakeView view;
  Nginx supervisor(install.Inside());
    ScorerContext scorers;
    CDemoDlg dlg(view, supervisor, scorers, IniFile::Configuration(install.Inside()));
  const std::pair<const char*, bool> cases[] = {
      {"[hook]\nrbt=608274513\n", true},
      {"[hook]\nrbt=608274512\n", false},
      {"[hook]\n", false},
      {"[hook]\nrbt= 608274513 \n", true},
  };
  for (const auto& [content, passes] : cases) {
    install.Write("conf/global.ini", content);
    EXPECT_EQ(dlg.RightButtonPressPasses(), passes) << content;
  }
  std::filesystem::remove(install.Native() + "/conf/global.ini");
  EXPECT_FALSE(dlg.RightButtonPressPasses()) << "configuration file gone";
}

TEST(DemoDlg, OnlyF5IsKeptFromThePage) {
  EXPECT_FALSE(CDemoDlg::KeyPasses(KEY_F5));
  for (int key : {KEY_BACKSPACE, KEY_ENTER, int('A'), 0, 117}) EXPECT_TRUE(CDemoDlg::KeyPasses(key)) << key;
}

TEST(DemoDlg, CloseAsksAndOnYesLogsOutAndQuits) {
  LoopbackServer site([](const std::string&) { return LoopbackServer::Response("404 Not Found", ""); });
  TempFolder install;
  install.Write("conf/global.ini", "[server]\nport=" + std::to_string(site.Port()) + "\n");
  FakeView view;
  Nginx supervisor(install.Inside());
    ScorerContext scorers;
    CDemoDlg dlg(view, supervisor, scorers, IniFile::Configuration(install.Inside()));
  dlg.OnInitDialog();
  dlg.OnClose();
  EXPECT_EQ(view.asked, MessageString(MSG_CLOSE_CONFIRM));
  EXPECT_EQ(view.quit, 0);
  EXPECT_EQ(view.activated, 1);
  EXPECT_TRUE(site.Requests().empty());
  view.answer = true;
  dlg.OnClose();
  EXPECT_EQ(view.quit, 1) << "a failed logout does not keep the window open";
  EXPECT_EQ(view.activated, 1);
  ASSERT_EQ(site.Requests().size(), 1u);
  EXPECT_EQ(site.Requests()[0].rfind("GET /logout.php HTTP/1.1\r\n", 0), 0u) << site.Requests()[0];
}

}  // namespace
