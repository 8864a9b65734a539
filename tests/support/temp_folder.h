#pragma once
// A fresh folder for one test, removed with everything in it when the test ends. `Native()` is the OS path,
// `Inside()` the same folder as the program's own (Windows-form) path.
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Native() const { return native_; }
  std::string Inside() const;
  // Writes a file (creating its folders) below the folder; `relative` uses '/'.
  std::string Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;

 private:
  std::string native_;
};
