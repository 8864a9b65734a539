#pragma once
// The sample exam site, running: an install tree laid out by scripts/make-install-tree in a temporary
// folder, its real nginx and php-cgi started through the application object's start-up routine on free
// loopback ports, and the start page answering. On destruction the servers are stopped, and the test fails
// if any of them is left running.
//
//   SampleSite site;
//   std::string record = HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/word");  // "101|1001.doc|1"
//   ... the code under test posts a report ...
//   EXPECT_EQ(site.Reports().back().score, "8");
//
// Construction throws std::runtime_error when the servers cannot be brought up.
#include <memory>
#include <string>
#include <vector>

#include "support/temp_folder.h"

class CDemoApp;

// One score report as the site stored it: the bytes it received for each field.
struct SiteReport {
  std::string bid, msg, rid, rs, score, type;
};

class SampleSite {
 public:
  SampleSite();
  ~SampleSite();
  SampleSite(const SampleSite&) = delete;
  SampleSite& operator=(const SampleSite&) = delete;

  // The install folder (holds conf\global.ini and the programs of the build), as inside and OS path.
  std::string InstallFolder() const { return folder_.Inside(); }
  const std::string& NativeInstallFolder() const { return folder_.Native(); }
  // The web root (holds operation\ and score\), an inside path ending in a backslash.
  std::string WebRoot() const;
  // The port the web server listens on, on 127.0.0.1.
  int WebPort() const { return port_; }

  // Every score report received, oldest first.
  std::vector<SiteReport> Reports() const;
  // Every request the site's pages received, oldest first, as "METHOD target" ("GET /logout.php").
  std::vector<std::string> Requests() const;

  // The application object that started the servers; its supervisor runs the health check and relaunches.
  CDemoApp& App() { return *app_; }

 private:
  TempFolder folder_;
  std::unique_ptr<CDemoApp> app_;
  int port_ = 0;
};
