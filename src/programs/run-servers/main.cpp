// examhost-servers <install folder>: starts the install tree's nginx and php-cgi the way the host does,
// prints the start page's address, relaunches a server that dies (as the exam window's watchdog does) and
// stops both when interrupted.
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/demo_app.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {

std::string StartUrl(const IniFile& configuration) {
  int port = INI_ABSENT;
  configuration.ReadInt("server", "port", port);
  std::string index;
  configuration.ReadString("server", "index", index, 32);
  return "http://127.0.0.1:" + std::to_string(port == INI_ABSENT ? 10000 : port) + "/" + index + "/height/700";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <install folder>\n", argv[0]);
    return 2;
  }
  // The signals are taken with sigtimedwait below, so every thread must leave them blocked.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stopSignals, signal);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  CDemoApp app(InsidePath(std::filesystem::absolute(argv[1]).lexically_normal().string()));
  if (int message = app.StartWebServer()) {
    std::fprintf(stderr, "%s\n", AnsiToUtf8(app.StartupMessage(message)).c_str());
    return 1;
  }
  std::printf("%s\n", StartUrl(*app.configuration).c_str());
  std::fflush(stdout);
  timespec tick{1, 0};
  while (sigtimedwait(&stopSignals, nullptr, &tick) < 0) {
    app.supervisor->CheckHealth();
    app.supervisor->Start();
  }
  return 0;  // the application object stops the servers
}
