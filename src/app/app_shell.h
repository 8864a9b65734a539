#pragma once
// What the application object's start-up asks of the toolkit shell (src/ui/): the splash, the start-up
// messages and the exam window. Texts are in the ANSI code page.
#include <string>

class Nginx;
class UpdateReadyRelay;

class AppShell {
 public:
  virtual ~AppShell() = default;
  // Shows the splash picture and has it painted before returning.
  virtual void ShowSplash() = 0;
  virtual void DestroySplash() = 0;
  // An OK-only message box owned by no window.
  virtual void ShowMessage(const std::string& text) = 0;
  // Creates the exam window and runs it until it ends; its watchdog keeps `supervisor`'s servers running.
  // `instanceChannel` is the claimed single-instance
  // channel (-1 for none) on which the window answers second starts; the update thread's report arrives
  // through `relay`.
  virtual void RunExamWindow(Nginx& supervisor, int instanceChannel, UpdateReadyRelay& relay) = 0;
};
