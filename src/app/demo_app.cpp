#include "app/demo_app.h"

#include "app/texts.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/sleep.h"
#include "update/update_files.h"
#include "webserver/port_allocation.h"

CDemoApp::CDemoApp() : CDemoApp(GetExeFolder()) {}

CDemoApp::CDemoApp(const std::string& exeFolder, StartupTiming timing)
    : supervisor(std::make_unique<Nginx>(exeFolder)),
      configuration(std::make_unique<IniFile>(IniFile::Configuration(exeFolder))),
      timing_(timing) {
  if (configuration->Exists()) configuration->ReadString("version", "version", currentVersion, 260);
  updateFolder = UpdateFolder(*configuration);
}

CDemoApp::~CDemoApp() {
  CleanUp();
  SleepMs(timing_.shutdownPauseMs);
}

int CDemoApp::StartWebServer() {
  if (configuration->State() == INI_MISSING) return MSG_CONFIG_MISSING;
  if (int failed = AllocatePorts()) return failed;
  if (!serverReady) return MSG_PORTS_BUSY;
  supervisor->Stop();
  SleepMs(timing_.stopPauseMs);
  supervisor->Start();
  SleepMs(timing_.settleMs);
  return WaitForServers() ? 0 : MSG_SERVER_NOT_STARTED;
}

bool CDemoApp::WaitForServers() {
  for (int attempt = 0; attempt < timing_.attempts; ++attempt) {
    if (supervisor->CheckHealth()) return true;
    supervisor->Start();
    SleepMs(timing_.attemptPauseMs);
  }
  return false;
}

std::string CDemoApp::StartupMessage(int id) const {
  std::string text = MessageString(id);
  if (id == MSG_SERVER_FOLDER_MISSING) text += AnsiText(SERVER_FOLDER_SEPARATOR) + serverFolder_;
  return text;
}

int CDemoApp::AllocatePorts() {
  serverFolder_ = ServerConfFolder(*configuration);
  switch (::AllocatePorts(*configuration)) {
    case PORTS_READY: return 0;
    case PORTS_BUSY: serverReady = false; return 0;
    case SERVER_FOLDER_MISSING: serverReady = false; return MSG_SERVER_FOLDER_MISSING;
  }
  return 0;
}

void CDemoApp::CleanUp() {
  if (supervisor) supervisor->Stop();
  supervisor.reset();
  configuration.reset();
}

void CDemoApp::FatalExit() {
  CleanUp();
  ExitProcessNow(-1);
}
