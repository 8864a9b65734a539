#include "webserver/port_allocation.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

#include "app/ini_file.h"
#include "platform/net.h"
#include "support/temp_folder.h"

namespace {

// Holds ports busy the way another program would: a socket bound to the port on all addresses.
class BusyPorts {
 public:
  BusyPorts(int first, int count) {
    for (int port = first; port < first + count; ++port) {
      int fd = socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in address{};
      address.sin_family = AF_INET;
      address.sin_port = htons(static_cast<uint16_t>(port));
      if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ADD_FAILURE() << "port " << port;
      fds_.push_back(fd);
    }
  }
  ~BusyPorts() {
    for (int fd : fds_) close(fd);
  }

 private:
  std::vector<int> fds_;
};

// The first of `count` consecutive free ports at or after `from`.
int FreeRun(int from, int count) {
  for (int start = from; start < 60000; ++start) {
    int n = 0;
    while (n < count && CanBindPort(start + n)) ++n;
    if (n == count) return start;
    start += n;
  }
  return 0;
}

class AllocatePortsTest : public ::testing::Test {
 protected:
  void SetUp() override { install.Write("server/nginx/conf/nginx.conf", ""); }
  IniFile Configure(const std::string& server) {
    install.Write("conf/global.ini", "[webserver]\npath=server\nwebserver=nginx\n[server]\n" + server);
    return IniFile::Configuration(install.Inside());
  }
  std::string Conf(const std::string& name) { return install.Read("server/nginx/conf/" + name); }
  std::string Ini() { return install.Read("conf/global.ini"); }

  TempFolder install;
};

TEST_F(AllocatePortsTest, FreeFirstPortsWriteTheIncludeFilesAndLeaveTheConfigurationAlone) {
  int web = FreeRun(21000, 1), php = FreeRun(41000, 1);
  std::string server = "port=" + std::to_string(web) + "\nphp_port=" + std::to_string(php) + "\n";
  IniFile configuration = Configure(server);
  std::string before = Ini();
  EXPECT_EQ(AllocatePorts(configuration), PORTS_READY);
  EXPECT_EQ(Conf("port.conf"), "listen\t127.0.0.1:" + std::to_string(web) + ";");
  EXPECT_EQ(Conf("php_port.conf"), "fastcgi_pass   127.0.0.1:" + std::to_string(php) + ";");
  EXPECT_EQ(Ini(), before);
}

TEST_F(AllocatePortsTest, ABusyPortMovesOnAndIsWrittenBack) {
  int web = FreeRun(22000, 2), php = FreeRun(42000, 2);
  BusyPorts busy(web, 1), busyPhp(php, 1);
  IniFile configuration =
      Configure("port=" + std::to_string(web) + "\nphp_port=" + std::to_string(php) + "\n");
  EXPECT_EQ(AllocatePorts(configuration), PORTS_READY);
  EXPECT_EQ(Conf("port.conf"), "listen\t127.0.0.1:" + std::to_string(web + 1) + ";");
  EXPECT_EQ(Conf("php_port.conf"), "fastcgi_pass   127.0.0.1:" + std::to_string(php + 1) + ";");
  int port = 0, phpPort = 0;
  configuration.ReadInt("server", "port", port);
  configuration.ReadInt("server", "php_port", phpPort);
  EXPECT_EQ(port, web + 1);
  EXPECT_EQ(phpPort, php + 1);
}

// The web range always ends 200 above its start, whatever max_port says; the FastCGI range ends 200
// above max_php_port.
TEST_F(AllocatePortsTest, TheTwoUpperBoundsAreSettledDifferently) {
  int web = FreeRun(23000, 202), php = FreeRun(43000, 203);
  BusyPorts busyWeb(web, 201), busyPhp(php, 202);
  IniFile beyondWebRange = Configure("port=" + std::to_string(web) + "\nmax_port=" + std::to_string(web + 500) + "\n");
  EXPECT_EQ(AllocatePorts(beyondWebRange), PORTS_BUSY);

  IniFile phpRange = Configure("port=" + std::to_string(web + 201) + "\nphp_port=" + std::to_string(php) +
                               "\nmax_php_port=" + std::to_string(php + 2) + "\n");
  EXPECT_EQ(AllocatePorts(phpRange), PORTS_READY);
  EXPECT_EQ(Conf("php_port.conf"), "fastcgi_pass   127.0.0.1:" + std::to_string(php + 202) + ";");
}

TEST_F(AllocatePortsTest, AnInvertedRangeFindsNoPort) {
  int web = FreeRun(24000, 1), php = FreeRun(44000, 1);
  struct Case {
    std::string server;
    bool portConfWritten;
  } cases[] = {
      {"port=" + std::to_string(web) + "\nmax_port=" + std::to_string(web - 1) + "\n", false},
      {"port=" + std::to_string(web) + "\nphp_port=" + std::to_string(php) + "\nmax_php_port=" +
           std::to_string(php - 1) + "\n",
       true},
  };
  for (const Case& c : cases) {
    install.Write("server/nginx/conf/port.conf", "old");
    IniFile configuration = Configure(c.server);
    EXPECT_EQ(AllocatePorts(configuration), PORTS_BUSY) << c.server;
    EXPECT_EQ(Conf("port.conf") != "old", c.portConfWritten) << c.server;
  }
}

TEST_F(AllocatePortsTest, AMissingServerFolderIsReportedWithoutProbing) {
  IniFile configuration = Configure("");
  install.Write("conf/global.ini", "[webserver]\npath=elsewhere\nwebserver=nginx\n");
  EXPECT_EQ(ServerConfFolder(configuration), install.Inside() + "\\elsewhere\\nginx\\conf\\");
  EXPECT_EQ(AllocatePorts(configuration), SERVER_FOLDER_MISSING);
}

}  // namespace
