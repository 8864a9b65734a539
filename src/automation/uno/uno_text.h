#pragma once
// Text at the office's edge: the office speaks UTF-16, file URLs and paths are UTF-8, the scorers read
// text in the ANSI code page.
#include <rtl/ustring.hxx>
#include <string>
#include <string_view>

rtl::OUString Utf8ToOUString(std::string_view utf8);
std::string OUStringToUtf8(const rtl::OUString& text);
std::string OUStringToAnsi(const rtl::OUString& text);
// "file://" and the path with every byte outside the unreserved set percent-encoded.
std::string Utf8FileUrl(const std::string& nativePath);
