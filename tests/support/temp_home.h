#pragma once
// A temporary home folder for one test: HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point into it (so "C:",
// the desktop folder and the home trash are all inside it) until the test ends, when the previous values
// come back. Nothing touches the real user's folders.
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const TempFolder& Folder() const { return folder_; }
  // The OS path of a file or folder below the home folder; `relative` uses '/'.
  std::string Native(const std::string& relative) const { return folder_.Native() + "/" + relative; }

 private:
  TempFolder folder_;
  std::vector<std::pair<std::string, std::string>> saved_;
};
