#pragma once
// The hand-over between the update thread and the exam window.
//
// When the update thread has a complete package, it makes one synchronous call into the window's thread
// (WM_UPDATE_READY): it waits until the window's handler, OnUpdateReady, has returned. The shell provides
// that call through UpdateReadyRelay:
//   - once the exam window exists, the shell calls Attach with a function that runs OnUpdateReady on the
//     window's thread and returns only after it has returned. On Windows that is
//     SendMessage(window, WM_UPDATE_READY, 0, 0), whose handler calls OnUpdateReady; a toolkit with a main
//     loop schedules OnUpdateReady on it and waits for it to finish. The function is called on the update
//     thread and must do nothing harmful when the window has gone in the meantime (SendMessage to a
//     destroyed window does nothing);
//   - a report that comes before the window exists is held and delivered, from the update thread, as soon
//     as the shell calls Attach, so an update found early in start-up is still offered;
//   - when the window closes, the shell calls Close: a report not yet delivered is dropped and a waiting
//     update thread is let go.
// The update thread reports at most once per run.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

// The window message by which the update thread reaches the exam window on Windows.
inline constexpr int WM_UPDATE_READY = 1135;

class UpdateReadyRelay {
 public:
  using Deliver = std::function<void()>;

  // The exam window exists; `deliver` runs OnUpdateReady on its thread and returns after it.
  void Attach(Deliver deliver);
  // The exam window is gone: nothing is delivered any more.
  void Close();
  // Update thread: delivers the report once the window exists and returns after the window has handled
  // it, or at once when the window is gone.
  void Send();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  Deliver deliver_;
  bool closed_ = false;
};

// What OnUpdateReady needs of the exam window; the shell implements it.
class UpdateWindow {
 public:
  virtual ~UpdateWindow() = default;
  // A message box owned by the exam window with the buttons Yes and No; true for Yes. The texts are in the
  // ANSI code page.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // Ends the window's modal loop (the quit message); the program then shuts down the normal way, which
  // stops the web server.
  virtual void Quit() = 0;
};

// The window's handler of the update report: asks the candidate (message 135, caption "升级到新版本") and
// on Yes starts the updater from the executable folder and ends the window; on No does nothing, so the
// prompt comes again only at a later start. Returns 0.
int OnUpdateReady(UpdateWindow& window, const std::string& exeFolder);
