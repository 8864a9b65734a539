#include "webserver/server.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "support/temp_folder.h"

namespace {

// A server program that writes its folder, arguments and FastCGI settings to a file and ends.
void Recorder(const TempFolder& install, const std::string& folder, const std::string& program) {
  std::string path = install.Write("server/" + folder + "/" + program,
                                   "#!/bin/sh\necho \"$(pwd)|$*|$PHP_FCGI_MAX_REQUESTS|$PHP_FCGI_CHILDREN\" > " +
                                       program + ".call\n");
  chmod(path.c_str(), 0755);
}

std::string Call(const TempFolder& install, const std::string& folder, const std::string& program) {
  for (int i = 0; i < 250; ++i) {
    std::string call = install.Read("server/" + folder + "/" + program + ".call");
    if (!call.empty()) return call;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return "";
}

TEST(Nginx, LaunchesBothServersInTheirFoldersWithTheirArguments) {
  TempFolder install;
  install.Write("conf/global.ini", "[webserver]\npath=server\n");
  Recorder(install, "nginx", "nginx");
  Recorder(install, "php", "php-cgi");
  Nginx supervisor(install.Inside());
  EXPECT_TRUE(supervisor.Start());
  EXPECT_TRUE(supervisor.nginxStarted && supervisor.phpStarted);
  const std::string nginx = install.Native() + "/server/nginx";
  EXPECT_EQ(Call(install, "nginx", "nginx"), nginx + "|-p " + nginx + "/ -c ./conf/nginx.conf||\n");
  EXPECT_EQ(Call(install, "php", "php-cgi"),
            install.Native() + "/server/php|-b 127.0.0.1:30001 -c php.ini|0|2\n");

  install.Write("conf/global.ini", "[webserver]\npath=server\n[server]\nphp_port=30777\n");
  install.Write("server/php/php-cgi.call", "");
  supervisor.phpStarted = false;
  supervisor.Start();
  EXPECT_NE(Call(install, "php", "php-cgi").find("|-b 127.0.0.1:30777 -c php.ini|"), std::string::npos);
}

}  // namespace
