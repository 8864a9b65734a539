#include "window/demo_dlg.h"

#include <cstdio>
#include <utility>

#include "app/texts.h"
#include "scoring/http_client.h"
#include "scoring/scoring_run.h"
#include "window/navigation.h"
#include "window/operation_file.h"

namespace {

constexpr size_t kIndexSize = 32;
constexpr size_t kCheckUrlSize = 260;
constexpr int kDefaultPort = 10000;

}  // namespace

CDemoDlg::CDemoDlg(ExamView& view, Nginx& supervisor, const ScorerContext& scorers, IniFile config)
    : m_view(view), m_supervisor(supervisor), m_scorers(scorers), m_config(std::move(config)) {
  m_config.ReadString("server", "check_url", m_checkUrl, kCheckUrlSize);
}

std::string CDemoDlg::OnInitDialog() {
  BuildBaseUrl();
  m_config.ReadString("server", "index", m_index, kIndexSize);
  return StartUrl();
}

void CDemoDlg::BuildBaseUrl() {
  m_baseUrl.clear();
  int port = INI_ABSENT;
  if (m_config.ReadInt("server", "port", port)) m_port = port == INI_ABSENT ? kDefaultPort : port;
  char text[32];
  std::snprintf(text, sizeof text, ":%d/", m_port);
  m_baseUrl = std::string("http://127.0.0.1") + text;
}

std::string CDemoDlg::StartUrl() const {
  return m_baseUrl + m_index + "/height/" + std::to_string(WINDOW_HEIGHT);
}

bool CDemoDlg::RightButtonPressPasses() const {
  // The application reads the key through its own accessor on the same file; every read goes to the file.
  int rbt = INI_ABSENT;
  return m_config.ReadInt("hook", "rbt", rbt) && rbt == RBT_UNLOCKED;
}

bool CDemoDlg::KeyPasses(int key) { return key != KEY_F5; }

void CDemoDlg::OnClose() {
  if (!m_view.AskYesNo(MessageString(MSG_CLOSE_CONFIRM), AnsiText(APP_TITLE))) {
    m_view.Activate();
    return;
  }
  HttpGet("127.0.0.1", m_port, "logout.php");  // whatever the answer, the window closes
  m_view.Quit();
}

int CDemoDlg::OnUpdateReady() { return ::OnUpdateReady(m_view, m_config.ExeFolder()); }

void CDemoDlg::OnTimer(int id) {
  if (id != WATCHDOG_TIMER) return;
  m_supervisor.CheckHealth();
  m_supervisor.Start();
}

void CDemoDlg::OnBeforeNavigate(const std::string& url) {
  HandleNavigation(url, m_baseUrl, m_checkUrl,
                   {OpenOperationFile,
                    [this](const std::string& segment) { RunScoring(m_config, m_port, m_scorers, segment); }});
}
