#pragma once
// Double-byte character handling for text in the ANSI code page (GBK). The second byte of a GBK
// character can equal an ASCII separator such as '\\' or '|', so every search for a separator must step
// over whole characters.
#include <cstddef>
#include <string_view>

inline bool IsLeadByte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x81 && u <= 0xFE;
}

// Position of the first `c` that is a character of its own, or npos.
size_t FindChar(std::string_view text, char c);

// Position of the last `c` that is a character of its own, or npos.
size_t FindLastChar(std::string_view text, char c);

// Text with the white space at both ends removed.
std::string_view TrimBlanks(std::string_view text);
