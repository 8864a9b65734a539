#pragma once
// The application object's shell on GTK.
#include <utility>

#include "app/app_shell.h"
#include "scoring/scorer_entry.h"
#include "ui/gtk/splash_window.h"

class GtkAppShell : public AppShell {
 public:
  // A hand-in in the exam window scores with `scorers`.
  explicit GtkAppShell(ScorerContext scorers) : scorers_(std::move(scorers)) {}

  void ShowSplash() override { splash_.Show(); }
  void DestroySplash() override { splash_.Destroy(); }
  void ShowMessage(const std::string& text) override;
  void RunExamWindow(Nginx& supervisor, int instanceChannel, UpdateReadyRelay& relay) override;

 private:
  ScorerContext scorers_;
  SplashWindow splash_;
};
