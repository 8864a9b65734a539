#include "support/temp_home.h"

#include <cstdlib>

namespace {

constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};

}  // namespace

TempHome::TempHome() {
  for (const char* name : kVariables) {
    const char* value = std::getenv(name);
    saved_.emplace_back(name, value ? std::string(1, '=') + value : std::string());
  }
  setenv("HOME", folder_.Native().c_str(), 1);
  setenv("XDG_CONFIG_HOME", (folder_.Native() + "/.config").c_str(), 1);
  setenv("XDG_DATA_HOME", (folder_.Native() + "/.local/share").c_str(), 1);
}

TempHome::~TempHome() {
  // A saved value starts with '=' so that an empty one can be told from an unset one.
  for (const auto& [name, value] : saved_) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str() + 1, 1);
  }
}
