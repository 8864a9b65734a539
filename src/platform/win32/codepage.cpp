#include "platform/codepage.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string FromWide(UINT codePage, const wchar_t* text, size_t size) {
  if (size == 0) return std::string();
  // Characters the ANSI code page cannot hold become '?', as Windows itself converts them.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  int n = WideCharToMultiByte(codePage, 0, text, static_cast<int>(size), nullptr, 0, fallback, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text, static_cast<int>(size), out.data(), n, fallback, nullptr);
  return out;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::wstring wide = ToWide(CP_ACP, ansi);
  return FromWide(CP_UTF8, wide.data(), wide.size());
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::wstring wide = ToWide(CP_UTF8, utf8);
  return FromWide(CP_ACP, wide.data(), wide.size());
}

std::u16string AnsiToUtf16(std::string_view ansi) {
  std::wstring wide = ToWide(CP_ACP, ansi);
  return std::u16string(wide.begin(), wide.end());
}

std::string Utf16ToAnsi(std::u16string_view utf16) {
  std::wstring wide(utf16.begin(), utf16.end());
  return FromWide(CP_ACP, wide.data(), wide.size());
}
