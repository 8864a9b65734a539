#pragma once
// How the Word rules read a criteria file, and the state they share while one question is scored: the
// running score and the local feedback text.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/ini_file.h"

// Absent integer keys: SCORE_ABSENT (app/ini_file.h) in section table, INT_ABSENT everywhere else.
inline constexpr int INT_ABSENT = -1712;

// Score values are numbers written as text, read up to 19 bytes.
inline constexpr size_t SCORE_SIZE = 20;
// Expected values and lists are read whole: a cut would make a long expected text impossible to match.
inline constexpr size_t WHOLE_VALUE = std::string::npos;

inline constexpr std::string_view ITEM_END = "<br>";

// The longest leading decimal number of `text` (after white space: sign, digits, decimal point,
// exponent), 0 when there is none.
double LeadingNumber(std::string_view text);

// A printf form of one or two values (the rules' "%f", "%06x", "%d" texts and labels).
template <typename... Values>
std::string Format(const std::string& format, Values... values) {
  char buffer[128];
  int length = std::snprintf(buffer, sizeof buffer, format.c_str(), values...);
  return std::string(buffer, length < 0 ? 0 : std::min<size_t>(length, sizeof buffer - 1));
}

struct WordRuleRun {
  WordRuleRun(const std::string& criteria, const IniFile& messageFile) : criteriaPath(criteria), messages(messageFile) {}

  const std::string& criteriaPath;
  const IniFile& messages;
  double score = 0;
  std::string feedback;

  std::string Read(std::string_view section, std::string_view key) const {
    return ReadIniString(criteriaPath, section, key, "", WHOLE_VALUE);
  }
  int ReadInt(std::string_view section, std::string_view key, int absent = INT_ABSENT) const {
    return ReadIniInt(criteriaPath, section, key, absent);
  }
  // Adds the value of a score key; an absent or non-numeric one adds 0.
  void AddScore(std::string_view section, std::string_view key);
  // Appends one feedback item: the label, the message text of `messageKey`, "<br>".
  void AddItem(const std::string& label, std::string_view messageKey);
};
