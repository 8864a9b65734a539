#pragma once
// Conversions between the ANSI code page used inside the program (GBK on Linux, the system code page on
// Windows) and the Unicode forms used at the edges: file names and toolkit strings (UTF-8), Office
// strings (UTF-16). A character the ANSI code page cannot hold becomes '?'; bytes that are not valid in
// the source encoding become '?' as well, so a conversion never fails.
#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view utf16);
