#pragma once
// The exam window on GTK: a fixed 1000 x 700 window at the screen's top-left corner filled by the web view
// that shows the exam site. It forwards its events to the platform-neutral controller (CDemoDlg) and
// carries out what the controller asks of it.
#include <gtk/gtk.h>
#include <memory>
#include <string>
#include <vector>
#include <webkit2/webkit2.h>

#include "window/demo_dlg.h"

class SplashWindow;
class UpdateReadyRelay;

class GtkExamWindow : public ExamView {
 public:
  // `view` is the exam web view (StartExamWebView), which the window takes over.
  GtkExamWindow(Nginx& supervisor, const ScorerContext& scorers, WebKitWebView* view);
  ~GtkExamWindow() override;

  // Shows the window, loads the start page and runs the window's event loop until it ends. The splash is
  // destroyed one second after the start page was requested; `channel` is the claimed instance channel
  // (-1 for none), on which the window answers second starts; the update thread's report arrives through
  // `relay` while the window runs.
  void Run(SplashWindow& splash, int channel, UpdateReadyRelay& relay);

  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void Activate() override;
  void Quit() override;

 private:
  static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*,
                                gpointer self);
  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                 gpointer self);
  static void OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message, gpointer self);
  static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
  static gboolean OnWatchdog(gpointer self);
  static gboolean OnSplashTime(gpointer self);
  static gboolean OnEndSignal(gpointer self);

  void CreateWindow();
  void CreateView();
  void Navigate(const std::string& utf8Url);

  CDemoDlg dlg_;
  GtkWidget* window_ = nullptr;
  WebKitWebView* view_ = nullptr;
  GMainLoop* loop_ = nullptr;
  SplashWindow* splash_ = nullptr;
  bool running_ = false;
  std::vector<guint> sources_;  // the window's timers and watches, removed when its loop ends
  guint splashTimer_ = 0;       // until the splash is gone
};
