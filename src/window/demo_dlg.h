#pragma once
// The exam window's behaviour, apart from any toolkit: the start page, which input reaches the page, the
// watchdog tick, the close sequence and the commands carried by navigations. A toolkit shell (src/ui/)
// owns the real window, forwards its events here and carries out what the controller asks of its view.
#include <string>

#include "app/ini_file.h"
#include "scoring/scorer_entry.h"
#include "update/update_ready.h"
#include "webserver/server.h"

inline constexpr int WINDOW_WIDTH = 1000;
inline constexpr int WINDOW_HEIGHT = 700;
inline constexpr int WATCHDOG_TIMER = 1127;
inline constexpr int WATCHDOG_PERIOD_MS = 1000;
// [hook] rbt holding this value lets right-button presses through to the page.
inline constexpr int RBT_UNLOCKED = 608274513;

// Virtual key codes of the keys the window treats specially; shells map their own key codes to these.
inline constexpr int KEY_BACKSPACE = 8;
inline constexpr int KEY_ENTER = 13;
inline constexpr int KEY_F5 = 116;

// What the controller asks of the real window: the Yes/No question and the end of the window's loop (as
// the update prompt needs them), and coming to the front.
class ExamView : public UpdateWindow {
 public:
  // Restores the window (undoing a minimise) and brings it to the front.
  virtual void Activate() = 0;
};

class CDemoDlg {
 public:
  // `config` is the window's own accessor on global.ini; the watchdog keeps `supervisor`'s servers running;
  // a hand-in scores with `scorers`.
  CDemoDlg(ExamView& view, Nginx& supervisor, const ScorerContext& scorers, IniFile config);

  // The configuration-driven part of the window's initialisation: builds the base URL, reads
  // [server] index and returns the start URL the browser is sent to.
  std::string OnInitDialog();
  void BuildBaseUrl();
  std::string StartUrl() const;

  // Whether a right-button press reaches the page: only while [hook] rbt is RBT_UNLOCKED, read afresh on
  // every press. Releases and other buttons always pass.
  bool RightButtonPressPasses() const;
  // Whether a key event (press or release) reaches the page: F5 never does.
  static bool KeyPasses(int key);

  void OnActivateInstance() { m_view.Activate(); }
  // The close button: asks message 130; Yes logs the candidate out of the site and ends the window, No
  // brings it to the front.
  void OnClose();
  // The watchdog (WATCHDOG_TIMER, every second): relaunches a server that is no longer running.
  void OnTimer(int id);
  // The update thread's report, on the window's thread: the update prompt.
  int OnUpdateReady();
  // Every navigation of the page or a frame, before it loads; `url` in the ANSI code page. Runs the
  // command the URL carries to its end (a hand-in: the whole scoring run) before returning.
  void OnBeforeNavigate(const std::string& url);

  const std::string& BaseUrl() const { return m_baseUrl; }
  int Port() const { return m_port; }
  const IniFile& Config() const { return m_config; }

 private:
  ExamView& m_view;
  Nginx& m_supervisor;
  const ScorerContext& m_scorers;
  IniFile m_config;
  std::string m_baseUrl;
  std::string m_index;
  int m_port = 10000;
  std::string m_checkUrl;
};
