#include "automation/uno/uno_text.h"

#include <cstdio>

#include "platform/codepage.h"

namespace {

std::u16string_view View(const rtl::OUString& text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.getStr()), static_cast<size_t>(text.getLength()));
}

}  // namespace

rtl::OUString Utf8ToOUString(std::string_view utf8) {
  return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

std::string OUStringToUtf8(const rtl::OUString& text) {
  rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), static_cast<size_t>(utf8.getLength()));
}

std::string OUStringToAnsi(const rtl::OUString& text) { return Utf16ToAnsi(View(text)); }

std::string Utf8FileUrl(const std::string& nativePath) {
  std::string url = "file://";
  for (unsigned char c : nativePath) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                 c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      url += escaped;
    }
  }
  return url;
}
