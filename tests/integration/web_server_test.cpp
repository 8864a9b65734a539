// The sample site's real nginx and php-cgi, brought up by the application object's start-up routine.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/demo_app.h"
#include "app/texts.h"
#include "platform/files.h"
#include "platform/net.h"
#include "platform/process.h"
#include "scoring/http_client.h"
#include "support/sample_site.h"
#include "support/temp_folder.h"

namespace {

using namespace std::chrono_literals;

template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds limit = 5000ms) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    if (condition()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return condition();
}

TEST(SampleSite, ServesTheStartPageQuestionsAndHandInPage) {
  SampleSite site;
  std::string start = HttpGet("127.0.0.1", site.WebPort(), "exam/height/700");
  for (const char* link : {"javascript:void(&#039;fn=101|word|1001.doc&#039;);",
                           "javascript:void(&#039;fn=102|excel|2001.xls&#039;);",
                           "javascript:void(&#039;fn=103|windows|3001&#039;);", "href=\"/handin/exam/\""})
    EXPECT_NE(start.find(link), std::string::npos) << link;
  EXPECT_EQ(HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/word"), "101|1001.doc|1");
  EXPECT_EQ(HttpGet("127.0.0.1", site.WebPort(), "question/5/type/excel"), "102|2001.xls|2");
  // [server] interface_url may name the loopback server as localhost.
  EXPECT_EQ(HttpGet("localhost", site.WebPort(), "question/exam/type/windows"), "103|3001|3");
  EXPECT_EQ(HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/pdf"), "");
  EXPECT_EQ(HttpGet("localhost", site.WebPort(), "score/word/README"), "");
  EXPECT_NE(HttpGet("127.0.0.1", site.WebPort(), "handin/exam/").find("尚未收到评分结果"), std::string::npos);
  EXPECT_NE(HttpGet("127.0.0.1", site.WebPort(), "logout.php"), "");
  EXPECT_EQ(site.Requests().back(), "GET /logout.php");
}

TEST(SampleSite, StoresAReportByteForByteAndShowsIt) {
  SampleSite site;
  const std::string feedback = AnsiText("第1段字体有误<br>") + "a&b=c+d%e <br>";
  HttpFields report{{"bid", "1"}, {"msg", feedback}, {"rid", "101"}, {"rs", "2"}, {"score", "6"}, {"type", "word"}};
  EXPECT_EQ(HttpPost("127.0.0.1", site.WebPort(), "/report.php", report), "ok\n");
  ASSERT_EQ(site.Reports().size(), 1u);
  const SiteReport stored = site.Reports()[0];
  EXPECT_EQ(stored.msg, feedback);
  EXPECT_EQ(stored.bid + stored.rid + stored.rs + stored.score + stored.type, "110126word");
  EXPECT_EQ(site.Requests().back(), "POST /report.php");
  std::string handIn = HttpGet("127.0.0.1", site.WebPort(), "handin/exam/");
  EXPECT_NE(handIn.find("第1段字体有误<br>a&amp;b=c+d%e <br>"), std::string::npos) << handIn;
}

TEST(SampleSite, ServesMoreThanFiveHundredRequestsWithoutAGap) {
  SampleSite site;
  for (int i = 0; i < 510; ++i)
    ASSERT_EQ(HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/word"), "101|1001.doc|1") << i;
}

TEST(Supervisor, RelaunchesAPhpCgiKilledFromOutsideAndLeavesNginxAlone) {
  SampleSite site;
  Nginx& supervisor = *site.App().supervisor;
  int nginx = supervisor.FindProcess(NGINX_IMAGE);
  ASSERT_NE(nginx, 0);
  // Killed from outside: this site's php-cgi master and workers, one by one.
  ASSERT_TRUE(Eventually([&] {
    int php = supervisor.FindProcess(PHP_IMAGE);
    if (php) KillProcess(php);
    return php == 0;
  }));
  EXPECT_FALSE(supervisor.CheckHealth());
  EXPECT_FALSE(supervisor.phpStarted);
  EXPECT_TRUE(supervisor.nginxStarted);
  supervisor.Start();
  EXPECT_TRUE(Eventually([&] { return supervisor.CheckHealth(); }));
  EXPECT_TRUE(Eventually([&] { return !HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/word").empty(); }));
  EXPECT_EQ(supervisor.FindProcess(NGINX_IMAGE), nginx);
}

// Another program's nginx, from a folder of its own, is neither counted nor killed.
TEST(Supervisor, LeavesAnotherProgramsNginxAlone) {
  TempFolder other;
  int port = 25000;
  while (!CanBindPort(port)) ++port;
  other.Write("nginx/conf/nginx.conf",
              "daemon off; master_process off; pid logs/nginx.pid; error_log logs/error.log; events {}\n"
              "http { access_log off; client_body_temp_path temp; proxy_temp_path temp; fastcgi_temp_path temp;"
              " uwsgi_temp_path temp; scgi_temp_path temp; server { listen 127.0.0.1:" + std::to_string(port) +
              "; } }\n");
  other.Write("nginx/logs/.keep", "");
  ASSERT_TRUE(LaunchHidden(NGINX_IMAGE, {"-p", other.Native() + "/nginx/", "-c", "conf/nginx.conf"},
                           other.Inside() + "\\nginx", {}));
  auto running = [](int id) {
    for (const ProcessEntry& process : FindProcessesByImage(NGINX_IMAGE))
      if (process.id == id) return true;
    return false;
  };
  int theirs = 0;
  ASSERT_TRUE(Eventually([&] {
    for (const ProcessEntry& process : FindProcessesByImage(NGINX_IMAGE))
      if (process.folder == other.Inside() + "\\nginx") theirs = process.id;
    return theirs != 0;
  }));

  SampleSite site;  // its start-up kills stale servers of its own first
  Nginx& supervisor = *site.App().supervisor;
  EXPECT_TRUE(running(theirs));
  EXPECT_NE(supervisor.FindProcess(NGINX_IMAGE), theirs);
  supervisor.Stop();
  EXPECT_TRUE(Eventually([&] { return supervisor.FindProcess(NGINX_IMAGE) == 0; }));
  EXPECT_TRUE(running(theirs));
  EXPECT_FALSE(supervisor.CheckHealth());
  KillProcess(theirs);
}

TEST(CDemoApp, FatalExitStopsTheServersAndEndsWithMinusOne) {
  // Forked, so that the child kills the servers this test started.
  GTEST_FLAG_SET(death_test_style, "fast");
  SampleSite site;
  EXPECT_EXIT(site.App().FatalExit(), ::testing::ExitedWithCode(255), "");
  Nginx watcher(site.InstallFolder());
  EXPECT_TRUE(Eventually([&] { return !watcher.FindProcess(NGINX_IMAGE) && !watcher.FindProcess(PHP_IMAGE); }));
}

}  // namespace
