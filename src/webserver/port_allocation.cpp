#include "webserver/port_allocation.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/net.h"

namespace {

constexpr int kDefaultPort = 10000;
constexpr int kDefaultPhpPort = 30001;
constexpr int kRangeWidth = 200;
constexpr int kLastPort = 65535;

int ReadPort(const IniFile& configuration, const char* key) {
  int value = INI_ABSENT;
  configuration.ReadInt("server", key, value);
  return value;
}

// First bindable port of [first, last]; 0 when there is none. Port 0 and below would bind an arbitrary
// port, so the search starts at 1; nothing above 65535 can be bound.
int FirstFreePort(long long first, long long last) {
  for (long long port = std::max(first, 1LL); port <= std::min(last, static_cast<long long>(kLastPort)); ++port)
    if (CanBindPort(static_cast<int>(port))) return static_cast<int>(port);
  return 0;
}

// Finds the port, writes it back when it moved from `start`, and writes its include file.
PortOutcome Settle(IniFile& configuration, const char* key, int start, long long last, const std::string& file,
                   std::string (*content)(int)) {
  int port = FirstFreePort(start, last);
  if (port == 0) return PORTS_BUSY;
  if (port != start) configuration.WriteInt("server", key, port);
  return ReplaceFileAtomically(file, content(port)) ? PORTS_READY : SERVER_FOLDER_MISSING;
}

}  // namespace

std::string ServerConfFolder(const IniFile& configuration) {
  std::string path, webserver;
  configuration.ReadString("webserver", "path", path, 260);
  configuration.ReadString("webserver", "webserver", webserver, 260);
  return configuration.ExeFolder() + "\\" + path + "\\" + webserver + "\\conf\\";
}

// Loopback only: the exam server, its question bank and its score endpoint are for this machine alone.
std::string PortConf(int port) { return "listen\t127.0.0.1:" + std::to_string(port) + ";"; }

std::string PhpPortConf(int phpPort) { return "fastcgi_pass   127.0.0.1:" + std::to_string(phpPort) + ";"; }

PortOutcome AllocatePorts(IniFile& configuration) {
  long long port = ReadPort(configuration, "port");
  long long maxPort = ReadPort(configuration, "max_port");
  long long phpPort = ReadPort(configuration, "php_port");
  long long maxPhpPort = ReadPort(configuration, "max_php_port");
  if (port == INI_ABSENT) port = kDefaultPort;
  if (maxPort == INI_ABSENT) maxPort = port + kRangeWidth;
  if (phpPort == INI_ABSENT) phpPort = kDefaultPhpPort;
  if (maxPhpPort == INI_ABSENT) maxPhpPort = phpPort + kRangeWidth;
  // The two upper bounds differ on purpose: the web range always spans 200 ports from its start, the
  // FastCGI range ends 200 above its configured end. A bound below its start empties the range.
  long long lastPort = port <= maxPort ? port + kRangeWidth : maxPort;
  long long lastPhpPort = phpPort <= maxPhpPort ? maxPhpPort + kRangeWidth : maxPhpPort;

  std::string folder = ServerConfFolder(configuration);
  if (!PathExists(folder)) return SERVER_FOLDER_MISSING;
  PortOutcome web = Settle(configuration, "port", static_cast<int>(port), lastPort, folder + "port.conf", PortConf);
  if (web != PORTS_READY) return web;
  return Settle(configuration, "php_port", static_cast<int>(phpPort), lastPhpPort, folder + "php_port.conf",
                PhpPortConf);
}
