#include "app/demo_app.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "app/texts.h"
#include "support/temp_folder.h"
#include "update/update_files.h"

namespace {

constexpr StartupTiming kQuick{10, 200, 5, 20, 0};
constexpr const char* kWebserver = "[webserver]\npath=server\nwebserver=nginx\n";

// A server program that ends at once and counts its launches in a file beside its folder.
void FakeServer(const TempFolder& install, const std::string& folder, const std::string& program) {
  std::string path = install.Write("server/" + folder + "/" + program, "#!/bin/sh\necho x >> ../" + program + ".launches\nexit 1\n");
  chmod(path.c_str(), 0755);
}

int Launches(const TempFolder& install, const std::string& program) {
  std::string lines = install.Read("server/" + program + ".launches");
  return static_cast<int>(std::count(lines.begin(), lines.end(), '\n'));
}

TEST(CDemoApp, StopsWithTheMessageOfTheFirstFailingStep) {
  TempFolder noConfiguration;
  EXPECT_EQ(CDemoApp(noConfiguration.Inside(), kQuick).StartWebServer(), MSG_CONFIG_MISSING);

  TempFolder noServerFolder;
  noServerFolder.Write("conf/global.ini-dist", kWebserver);
  CDemoApp missing(noServerFolder.Inside(), kQuick);
  EXPECT_EQ(missing.StartWebServer(), MSG_SERVER_FOLDER_MISSING);
  EXPECT_FALSE(missing.serverReady);
  EXPECT_EQ(missing.StartupMessage(MSG_SERVER_FOLDER_MISSING),
            MessageString(MSG_SERVER_FOLDER_MISSING) + "\xA3\xBA" + noServerFolder.Inside() + "\\server\\nginx\\conf\\");

  TempFolder noPorts;
  noPorts.Write("conf/global.ini", std::string(kWebserver) + "[server]\nport=20000\nmax_port=19999\n");
  noPorts.Write("server/nginx/conf/nginx.conf", "");
  FakeServer(noPorts, "nginx", "nginx");
  CDemoApp busy(noPorts.Inside(), kQuick);
  EXPECT_EQ(busy.StartWebServer(), MSG_PORTS_BUSY);
  EXPECT_FALSE(busy.serverReady);
  EXPECT_EQ(Launches(noPorts, "nginx"), 0);
}

TEST(CDemoApp, ServersThatEndAtOnceAreRelaunchedUntilTheWaitEnds) {
  TempFolder install;
  install.Write("conf/global.ini", std::string(kWebserver) + "[server]\nport=26000\nphp_port=46000\n");
  install.Write("server/nginx/conf/nginx.conf", "");
  FakeServer(install, "nginx", "nginx");
  FakeServer(install, "php", "php-cgi");
  CDemoApp app(install.Inside(), kQuick);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(app.StartWebServer(), MSG_SERVER_NOT_STARTED);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_GE(Launches(install, "nginx"), 2);
  EXPECT_GE(Launches(install, "php-cgi"), 2);
  EXPECT_LE(Launches(install, "php-cgi"), kQuick.attempts + 1);
}

TEST(CDemoApp, ReadsTheVersionAndTheUpdateFolder) {
  TempFolder install;
  CDemoApp withoutConfiguration(install.Inside(), kQuick);
  EXPECT_EQ(withoutConfiguration.updateFolder, install.Inside() + "\\" + std::string(DEFAULT_UPDATE_FOLDER));
  EXPECT_EQ(withoutConfiguration.currentVersion, "");
  install.Write("conf/global.ini", "[download]\npath=downloads\n[version]\nversion=2.1.0\n");
  CDemoApp configured(install.Inside(), kQuick);
  EXPECT_EQ(configured.updateFolder, install.Inside() + "\\downloads");
  EXPECT_EQ(configured.currentVersion, "2.1.0");
}

TEST(CDemoApp, CleanUpCanRunTwice) {
  TempFolder install;
  CDemoApp app(install.Inside(), kQuick);
  app.CleanUp();
  EXPECT_EQ(app.supervisor, nullptr);
  EXPECT_EQ(app.configuration, nullptr);
  app.CleanUp();
}

}  // namespace
