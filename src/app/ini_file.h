#pragma once
// Accessor on one INI file: the configuration file global.ini or a question's criteria file. Every read
// goes to the file, so several accessors on the same file always agree.
#include <cstddef>
#include <string>
#include <string_view>

// An integer key that is absent reads as this value.
inline constexpr int INI_ABSENT = -999998;
// The Word table keys and the Excel criteria keys mark an absent integer with this value instead.
inline constexpr int SCORE_ABSENT = -999999;

enum IniState {
  INI_FOUND = 0,    // the file was found, or an explicit path was given
  INI_DIST = 1,     // global.ini is missing and global.ini-dist is used instead
  INI_MISSING = 2,  // neither file exists
};

class IniFile {
 public:
  // The configuration file of the running program: <exe folder>\conf\global.ini, or global.ini-dist.
  IniFile();
  // A given file; an empty path means the configuration file.
  explicit IniFile(const std::string& path);
  // The configuration file of the install tree in `exeFolder`.
  static IniFile Configuration(const std::string& exeFolder);

  const std::string& Path() const { return path_; }
  const std::string& ExeFolder() const { return exeFolder_; }
  IniState State() const { return state_; }

  bool Exists() const;
  // Reads the value (empty when absent) cut to size - 1 characters into `buffer` and returns its length;
  // returns 0 and leaves `buffer` untouched when the file does not exist.
  size_t ReadString(std::string_view section, std::string_view key, std::string& buffer, size_t size) const;
  // Stores the value, or INI_ABSENT, into `out`; false (and `out` untouched) when the file does not exist.
  bool ReadInt(std::string_view section, std::string_view key, int& out) const;
  // Writes the value as decimal text; never creates the file. False when it does not exist or cannot be
  // written.
  bool WriteInt(std::string_view section, std::string_view key, int value);
  // Writes a text value the same way (every other byte of the file stays as it was).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

 private:
  IniFile(const std::string& exeFolder, bool);
  void ChooseConfiguration();

  std::string path_;
  std::string exeFolder_;
  IniState state_ = INI_FOUND;
};

// Direct reads of an INI file with the caller's default, as the scorers read their criteria files. A
// missing or unreadable file gives the default. Strings are cut to size - 1 characters.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue, size_t size);
int ReadIniInt(const std::string& path, std::string_view section, std::string_view key, int defaultValue);
