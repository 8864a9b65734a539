// Start-up of the exam site's servers: the application object's routine (configuration, ports, stale
// servers killed, 500 ms pause, launch, health-check wait) until the start page answers, beside launching
// the same nginx and php-cgi by hand and polling until the start page answers.
//   startup_bench [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/demo_app.h"
#include "platform/files.h"
#include "platform/process.h"
#include "scoring/http_client.h"
#include "support/temp_folder.h"
#include "webserver/port_allocation.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

bool Answers(int port) { return !HttpGet("127.0.0.1", port, "exam/height/700").empty(); }

// Polls the start page every millisecond; false after 10 s.
bool WaitForAnswer(int port) {
  for (auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;)
    if (Answers(port)) return true;
  return false;
}

int Port(const IniFile& configuration, const char* key) {
  int port = 0;
  configuration.ReadInt("server", key, port);
  return port;
}

double Routine(const TempFolder& install) {
  CDemoApp app(install.Inside(), StartupTiming{500, 50, 300, 200, 0});
  auto start = Clock::now();
  if (app.StartWebServer() != 0 || !WaitForAnswer(Port(*app.configuration, "port"))) {
    std::fprintf(stderr, "the routine did not bring the site up\n");
    std::exit(1);
  }
  return Milliseconds(Clock::now() - start);
}

double ByHand(const TempFolder& install) {
  IniFile configuration = IniFile::Configuration(install.Inside());
  std::string base = install.Inside() + "\\server";
  std::string nginx = base + "\\nginx";
  auto start = Clock::now();
  LaunchHidden(NGINX_IMAGE, {"-p", NativePath(nginx + "\\"), "-c", "./conf/nginx.conf"}, nginx, {});
  LaunchHidden(PHP_IMAGE, {"-b", "127.0.0.1:" + std::to_string(Port(configuration, "php_port")), "-c", "php.ini"},
               base + "\\php", {"PHP_FCGI_MAX_REQUESTS=0", "PHP_FCGI_CHILDREN=2"});
  if (!WaitForAnswer(Port(configuration, "port"))) {
    std::fprintf(stderr, "the servers started by hand do not answer\n");
    std::exit(1);
  }
  double elapsed = Milliseconds(Clock::now() - start);
  Nginx(install.Inside()).Stop();
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  TempFolder install;
  std::string layout = std::string("'") + EXAMHOST_SOURCE_DIR + "/scripts/make-install-tree' '" +
                       EXAMHOST_BINARY_DIR + "' '" + install.Native() + "'";
  if (std::system(layout.c_str()) != 0) return 1;
  IniFile configuration = IniFile::Configuration(install.Inside());
  AllocatePorts(configuration);  // the hand start uses the ports the routine would choose

  std::vector<double> routine, hand;
  for (int round = 0; round < rounds; ++round) {
    hand.push_back(ByHand(install));
    routine.push_back(Routine(install));  // the application object stops its servers when it ends
  }
  double r = Median(routine), h = Median(hand);
  std::printf("rounds %d\nroutine until the start page answers: median %.1f ms (min %.1f, max %.1f)\n", rounds, r,
              *std::min_element(routine.begin(), routine.end()), *std::max_element(routine.begin(), routine.end()));
  std::printf("by hand until the start page answers:  median %.1f ms (min %.1f, max %.1f)\n", h,
              *std::min_element(hand.begin(), hand.end()), *std::max_element(hand.begin(), hand.end()));
  std::printf("routine beyond its fixed 500 ms pause: %.1f ms = %.2f x by hand (goal under 1.20)\n", r - 500,
              (r - 500) / h);
  return 0;
}
