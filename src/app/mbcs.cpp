#include "app/mbcs.h"

size_t FindChar(std::string_view text, char c) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      ++i;
      continue;
    }
    if (text[i] == c) return i;
  }
  return std::string_view::npos;
}

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      ++i;
      continue;
    }
    if (text[i] == c) found = i;
  }
  return found;
}

std::string_view TrimBlanks(std::string_view text) {
  // White space is ASCII, and no byte of a double-byte character is white space, so a plain scan is safe.
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}
