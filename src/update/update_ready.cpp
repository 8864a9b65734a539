#include "update/update_ready.h"

#include "app/texts.h"
#include "platform/start_program.h"
#include "update/update_files.h"

void UpdateReadyRelay::Attach(Deliver deliver) {
  std::lock_guard lock(mutex_);
  deliver_ = std::move(deliver);
  changed_.notify_all();
}

void UpdateReadyRelay::Close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  deliver_ = nullptr;
  changed_.notify_all();
}

void UpdateReadyRelay::Send() {
  Deliver deliver;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return closed_ || deliver_; });
    if (closed_) return;
    deliver = deliver_;
  }
  // Outside the lock: the window's thread may Close while its handler runs.
  deliver();
}

int OnUpdateReady(UpdateWindow& window, const std::string& exeFolder) {
  if (!window.AskYesNo(MessageString(MSG_UPDATE_PROMPT), AnsiText(UPDATE_PROMPT_CAPTION))) return 0;
  // Whether the updater starts is not examined: the program ends either way.
  StartProgram(UpdaterPath(exeFolder), exeFolder);
  window.Quit();
  return 0;
}
