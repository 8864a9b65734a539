#include "webserver/server.h"

#include <vector>

#include "app/mbcs.h"
#include "platform/files.h"

namespace {

constexpr int kDefaultPhpPort = 30001;
// A php-cgi master may start a new worker while its workers are being killed; a few passes get them all.
constexpr int kKillPasses = 3;

// Lower-case ASCII letters only, stepping over double-byte characters, whose second byte may be a letter.
std::string FoldCase(const std::string& text) {
  std::string folded = text;
  for (size_t i = 0; i < folded.size(); ++i) {
    if (IsLeadByte(folded[i])) {
      ++i;
    } else if (folded[i] >= 'A' && folded[i] <= 'Z') {
      folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
    }
  }
  while (!folded.empty() && folded.back() == '\\') folded.pop_back();
  return folded;
}

// True when `path` is `folder` or lies below it (Windows paths compare without regard to case).
bool LiesIn(const std::string& path, const std::string& folder) {
  if (path.empty()) return false;
  std::string p = FoldCase(path), f = FoldCase(folder);
  return p == f || (p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '\\');
}

}  // namespace

Server::Server(const std::string& exeFolder) : configuration_(IniFile::Configuration(exeFolder)) {}

Nginx::Nginx(const std::string& exeFolder) : Server(exeFolder) { Init(); }

int Nginx::Init() {
  nginxStarted = false;
  phpStarted = false;
  path_.clear();
  if (configuration_.Exists()) configuration_.ReadString("webserver", "path", path_, 260);
  return 0;
}

std::string Nginx::BaseFolder() const { return configuration_.ExeFolder() + "\\" + path_; }

bool Nginx::Start() {
  std::string base = BaseFolder();
  if (!nginxStarted) {
    std::string folder = base + "\\nginx";
    // The prefix is the folder itself, so that every relative path of nginx.conf resolves inside it.
    LaunchHidden(NGINX_IMAGE, {"-p", NativePath(folder + "\\"), "-c", "./conf/nginx.conf"}, folder, {});
    nginxStarted = true;
  }
  if (!phpStarted) {
    int phpPort = INI_ABSENT;
    configuration_.ReadInt("server", "php_port", phpPort);
    if (phpPort == INI_ABSENT) phpPort = kDefaultPhpPort;
    // Without these, php-cgi ends itself after 500 requests and the site fails until it is relaunched.
    std::vector<std::string> environment{"PHP_FCGI_MAX_REQUESTS=0"};
#ifndef _WIN32
    environment.push_back("PHP_FCGI_CHILDREN=2");  // a master that keeps its workers alive (not on Windows)
#endif
    LaunchHidden(PHP_IMAGE, {"-b", "127.0.0.1:" + std::to_string(phpPort), "-c", "php.ini"}, base + "\\php",
                 environment);
    phpStarted = true;
  }
  return true;
}

bool Nginx::Stop() {
  for (const char* image : {NGINX_IMAGE, PHP_IMAGE}) {
    for (int pass = 0; pass < kKillPasses; ++pass) {
      bool killed = false;
      for (const ProcessEntry& process : FindProcessesByImage(image))
        if (Owns(process)) killed = KillProcess(process.id) || killed;
      if (!killed) break;
    }
  }
  return true;
}

int Nginx::FindProcess(const std::string& imageName) const {
  for (const ProcessEntry& process : FindProcessesByImage(imageName))
    if (Owns(process)) return process.id;
  return 0;
}

bool Nginx::CheckHealth() {
  bool nginxRuns = FindProcess(NGINX_IMAGE) != 0;
  if (!nginxRuns) nginxStarted = false;
  bool phpRuns = FindProcess(PHP_IMAGE) != 0;
  if (!phpRuns) phpStarted = false;
  return nginxRuns && phpRuns;
}

bool Nginx::Owns(const ProcessEntry& process) const {
  std::string base = BaseFolder();
  return LiesIn(process.executable, base) || LiesIn(process.folder, base);
}
