#include "platform/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv, replacing each character that cannot be converted, and each malformed input
// sequence, by one '?' (given as `replacement` in the target encoding). `unitSize` is the size of one code unit of the source encoding, used
// to skip a malformed unit; `skipCharacter` skips one whole valid character of the source that the target
// cannot hold.
template <typename SkipCharacter>
std::string Convert(const char* to, const char* from, const char* data, size_t size, size_t unitSize,
                    SkipCharacter skipCharacter, std::string_view replacement = "?") {
  std::string out;
  if (size == 0) return out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char buffer[4096];
  char* in = const_cast<char*>(data);
  size_t inLeft = size;
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ: either a malformed source sequence or a character the target cannot hold; EINVAL: a
    // sequence cut off at the end. Each becomes one '?'.
    size_t skip = errno == EILSEQ ? skipCharacter(in, inLeft) : inLeft;
    if (skip == 0 || skip > inLeft) skip = unitSize < inLeft ? unitSize : inLeft;
    in += skip;
    inLeft -= skip;
    out.append(replacement);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

size_t Utf8CharLength(const char* p, size_t left) {
  unsigned char c = static_cast<unsigned char>(*p);
  size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  if (n > left) return 1;
  for (size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
  return n;
}

size_t Utf16CharLength(const char* p, size_t left) {
  if (left < 4) return 2;
  unsigned hi = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8;
  unsigned lo = static_cast<unsigned char>(p[2]) | static_cast<unsigned char>(p[3]) << 8;
  bool pair = hi >= 0xD800 && hi < 0xDC00 && lo >= 0xDC00 && lo < 0xE000;
  return pair ? 4 : 2;
}

size_t GbkCharLength(const char* p, size_t left) {
  unsigned char c = static_cast<unsigned char>(*p);
  return c >= 0x81 && c <= 0xFE && left >= 2 ? 2 : 1;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  return Convert("UTF-8", "GBK", ansi.data(), ansi.size(), 1, GbkCharLength);
}

std::string Utf8ToAnsi(std::string_view utf8) {
  return Convert("GBK", "UTF-8", utf8.data(), utf8.size(), 1, Utf8CharLength);
}

std::u16string AnsiToUtf16(std::string_view ansi) {
  std::string bytes = Convert("UTF-16LE", "GBK", ansi.data(), ansi.size(), 1, GbkCharLength,
                              std::string_view("?\0", 2));
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  return out;
}

std::string Utf16ToAnsi(std::u16string_view utf16) {
  std::string bytes;
  bytes.reserve(utf16.size() * 2);
  for (char16_t unit : utf16) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return Convert("GBK", "UTF-16LE", bytes.data(), bytes.size(), 2, Utf16CharLength);
}
