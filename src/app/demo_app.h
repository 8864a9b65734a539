#pragma once
// The application object: owns the configuration accessor and the web server supervisor, runs the
// start-up steps that bring the exam site's servers up, and stops them at the end. The shell adds its own
// steps (splash, single instance, exam window) around StartWebServer.
#include <memory>
#include <string>

#include "app/ini_file.h"
#include "webserver/server.h"

class AppShell;

// The pauses of the start-up wait and of shutdown; tests shorten them.
struct StartupTiming {
  int stopPauseMs = 500;      // between killing stale servers and launching new ones
  int settleMs = 50;          // between the launch and the first health check, so that a server that
                              // ends at once is seen ended rather than counted as running
  int attempts = 300;         // health checks before giving up with message 138
  int attemptPauseMs = 200;   // between two health checks
  int shutdownPauseMs = 1000; // after the servers were killed, before the process ends
};

class CDemoApp {
 public:
  // The application of the install tree in `exeFolder` (the running executable's folder by default).
  explicit CDemoApp(const std::string& exeFolder, StartupTiming timing = {});
  CDemoApp();
  virtual ~CDemoApp();
  CDemoApp(const CDemoApp&) = delete;
  CDemoApp& operator=(const CDemoApp&) = delete;

  // The whole start-up on the toolkit shell: single instance (a running exam window is brought to the
  // front and this process ends with 0), splash, StartWebServer (a failure shows its message and ends
  // with -1 after the servers were stopped), the workspace, the updater and its thread, then the exam
  // window until it ends. Returns false, as the program then ends.
  bool InitInstance(AppShell& shell);

  // Configuration present (137), ports (136, 131), stale servers killed, servers launched and waited for
  // (138). Returns the message it ended with, 0 when both servers run.
  int StartWebServer();
  // The text of a message of StartWebServer: message 136 names the server folder.
  std::string StartupMessage(int id) const;

  // Picks the two ports and writes the include files; clears serverReady when no port pair is free.
  // Returns 0, or 136 when the server folder is missing.
  int AllocatePorts();
  // Stops the servers, releases the supervisor and the configuration. Safe to call more than once.
  void CleanUp();
  // CleanUp, then the process ends with exit code -1.
  [[noreturn]] void FatalExit();

  bool serverReady = true;
  std::unique_ptr<Nginx> supervisor;
  std::unique_ptr<IniFile> configuration;
  std::string updateFolder;    // UpdateFolder: <exe folder>\<[download] path, or the default>
  std::string currentVersion;  // [version] version

 protected:
  StartupTiming timing_;

 private:
  bool WaitForServers();

  std::string serverFolder_;  // named by message 136
  int instanceChannel_ = -1;  // the single-instance channel while this process holds it
};
