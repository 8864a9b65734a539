#pragma once
// The application object's shell on GTK.
#include <utility>

#include "app/app_shell.h"
#include "scoring/scorer_entry.h"
#include "ui/gtk/splash_window.h"
#include <webkit2/webkit2.h>

class GtkAppShell : public AppShell {
 public:
  // A hand-in in the exam window scores with `scorers`.
  explicit GtkAppShell(ScorerContext scorers) : scorers_(std::move(scorers)) {}

  // Also starts the exam web view, so that WebKit starts up beside the servers.
  void ShowSplash() override;
  void DestroySplash() override { splash_.Destroy(); }
  void ShowMessage(const std::string& text) override;
  void RunExamWindow(Nginx& supervisor, int instanceChannel, UpdateReadyRelay& relay) override;

 private:
  ScorerContext scorers_;
  SplashWindow splash_;
  WebKitWebView* view_ = nullptr;
};
