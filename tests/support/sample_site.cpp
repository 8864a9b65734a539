#include "support/sample_site.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <thread>

#include "app/demo_app.h"
#include "scoring/http_client.h"
#include "window/web_root.h"

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Each site starts its port search at a random place, so that test programs running at the same time do
// not race for the same first port.
void SpreadPorts(const std::string& exeFolder) {
  std::mt19937 random{std::random_device{}()};
  int port = std::uniform_int_distribution(12000, 19800)(random);
  int phpPort = std::uniform_int_distribution(32000, 39600)(random);
  IniFile configuration = IniFile::Configuration(exeFolder);
  configuration.WriteInt("server", "port", port);
  configuration.WriteInt("server", "max_port", port + 200);
  configuration.WriteInt("server", "php_port", phpPort);
  configuration.WriteInt("server", "max_php_port", phpPort + 200);
}

template <typename Row>
std::vector<Row> Query(const std::string& database, const char* sql, Row (*read)(sqlite3_stmt*)) {
  std::vector<Row> rows;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_busy_timeout(db, 5000);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
      while (sqlite3_step(statement) == SQLITE_ROW) rows.push_back(read(statement));
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return rows;
}

std::string Column(sqlite3_stmt* statement, int column) {
  const void* bytes = sqlite3_column_blob(statement, column);
  return bytes ? std::string(static_cast<const char*>(bytes), sqlite3_column_bytes(statement, column)) : "";
}

}  // namespace

SampleSite::SampleSite() {
  std::string command = Quoted(std::string(EXAMHOST_SOURCE_DIR) + "/scripts/make-install-tree") + " " +
                        Quoted(EXAMHOST_BINARY_DIR) + " " + Quoted(folder_.Native());
  if (std::system(command.c_str()) != 0) throw std::runtime_error("make-install-tree failed");
  SpreadPorts(InstallFolder());
  app_ = std::make_unique<CDemoApp>(InstallFolder(), StartupTiming{50, 50, 100, 100, 0});
  if (int message = app_->StartWebServer())
    throw std::runtime_error("the servers did not start: message " + std::to_string(message));
  app_->configuration->ReadInt("server", "port", port_);
  // Both processes run; wait until nginx listens and php-cgi answers.
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (!HttpGet("127.0.0.1", port_, "exam/height/700").empty()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("the start page does not answer");
}

SampleSite::~SampleSite() {
  Nginx watcher(InstallFolder());
  app_->CleanUp();
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (!watcher.FindProcess(NGINX_IMAGE) && !watcher.FindProcess(PHP_IMAGE)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ADD_FAILURE() << "server processes are left running in " << folder_.Native();
  watcher.Stop();
}

std::string SampleSite::WebRoot() const { return ::WebRoot(InstallFolder()); }

std::vector<SiteReport> SampleSite::Reports() const {
  return Query<SiteReport>(folder_.Native() + "/server/data/exam.sqlite",
                           "SELECT bid, msg, rid, rs, score, type FROM reports ORDER BY id", [](sqlite3_stmt* s) {
                             return SiteReport{Column(s, 0), Column(s, 1), Column(s, 2),
                                               Column(s, 3), Column(s, 4), Column(s, 5)};
                           });
}

std::vector<std::string> SampleSite::Requests() const {
  return Query<std::string>(folder_.Native() + "/server/data/exam.sqlite", "SELECT line FROM requests ORDER BY id",
                            [](sqlite3_stmt* s) { return Column(s, 0); });
}
