#pragma once
// The web server supervisor: launches the exam site's nginx and php-cgi hidden in their folders, finds and
// kills them. Only this program's own servers count: processes of those names whose program file or
// working folder lies in the install tree's server folder ([webserver] path). Another program's nginx or
// php-cgi on the machine is never counted nor killed.
#include <string>

#include "app/ini_file.h"
#include "platform/process.h"

inline constexpr const char* NGINX_IMAGE = "nginx.exe";
inline constexpr const char* PHP_IMAGE = "php-cgi.exe";

class Server {
 public:
  // Opens its own accessor on the configuration of the install tree in `exeFolder`.
  explicit Server(const std::string& exeFolder);
  virtual ~Server() = default;

  virtual int Init() = 0;
  virtual bool Start() = 0;
  virtual bool Stop() = 0;

 protected:
  IniFile configuration_;
};

class Nginx : public Server {
 public:
  explicit Nginx(const std::string& exeFolder);

  // Clears both flags and reads [webserver] path. Always 0.
  int Init() override;
  // Launches each server whose flag is clear and sets its flag, whether or not the launch worked.
  bool Start() override;
  // Kills this program's servers, forced; the flags stay as they are.
  bool Stop() override;

  // Id of one of this program's running processes of that image name; 0 when none runs.
  int FindProcess(const std::string& imageName) const;
  // Clears the flag of each server that is not running, so the next Start relaunches it. True when both
  // run.
  bool CheckHealth();

  // <exe folder>\<[webserver] path>: the folder that holds the nginx and php folders.
  std::string BaseFolder() const;

  bool nginxStarted = false;
  bool phpStarted = false;

 private:
  bool Owns(const ProcessEntry& process) const;

  std::string path_;
};
