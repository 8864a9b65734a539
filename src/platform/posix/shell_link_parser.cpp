#include "platform/posix/shell_link_parser.h"

#include <cstdint>

#include "platform/codepage.h"

namespace {

constexpr uint32_t kHeaderSize = 0x4C;
constexpr std::string_view kLinkClsid{"\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16};

constexpr uint32_t kHasIdList = 0x01;
constexpr uint32_t kHasLinkInfo = 0x02;
constexpr uint32_t kForceNoLinkInfo = 0x100;

constexpr uint32_t kVolumeAndLocalPath = 0x01;
constexpr uint32_t kNetworkPath = 0x02;
constexpr uint32_t kUnicodeOffsetsHeader = 0x24;

std::optional<uint32_t> U16(std::string_view data, size_t offset) {
  if (offset > data.size() || data.size() - offset < 2) return std::nullopt;
  auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(data[offset + i])); };
  return byte(0) | byte(1) << 8;
}

std::optional<uint32_t> U32(std::string_view data, size_t offset) {
  auto low = U16(data, offset);
  auto high = U16(data, offset + 2);
  if (!low || !high) return std::nullopt;
  return *low | *high << 16;
}

// A zero-terminated 8-bit string at `offset` (to the end of `data` when unterminated).
std::optional<std::string> AnsiAt(std::string_view data, std::optional<uint32_t> offset) {
  if (!offset || *offset >= data.size()) return std::nullopt;
  std::string_view rest = data.substr(*offset);
  return std::string(rest.substr(0, rest.find('\0')));
}

// A zero-terminated UTF-16LE string at `offset`, converted to the ANSI code page.
std::optional<std::string> WideAt(std::string_view data, std::optional<uint32_t> offset) {
  if (!offset || *offset >= data.size()) return std::nullopt;
  std::u16string text;
  for (size_t at = *offset; auto unit = U16(data, at); at += 2) {
    if (*unit == 0) break;
    text.push_back(static_cast<char16_t>(*unit));
  }
  return Utf16ToAnsi(text);
}

std::optional<std::string> LocalPath(std::string_view info, uint32_t headerSize) {
  std::optional<std::string> base, suffix;
  if (headerSize >= kUnicodeOffsetsHeader) {
    base = WideAt(info, U32(info, 0x1C));
    suffix = WideAt(info, U32(info, 0x20));
  }
  if (!base) base = AnsiAt(info, U32(info, 0x10));
  if (!suffix) suffix = AnsiAt(info, U32(info, 0x18));
  if (!base) return std::nullopt;
  return *base + suffix.value_or("");
}

std::optional<std::string> NetworkPath(std::string_view info) {
  auto linkOffset = U32(info, 0x14);
  if (!linkOffset || *linkOffset >= info.size()) return std::nullopt;
  std::string_view link = info.substr(*linkOffset);
  auto netName = AnsiAt(link, U32(link, 0x08));
  if (!netName) return std::nullopt;
  std::string suffix = AnsiAt(info, U32(info, 0x18)).value_or("");
  return suffix.empty() ? *netName : *netName + "\\" + suffix;
}

std::optional<std::string> LinkInfoPath(std::string_view info) {
  auto headerSize = U32(info, 0x04);
  auto flags = U32(info, 0x08);
  if (!headerSize || !flags) return std::nullopt;
  if (*flags & kVolumeAndLocalPath) return LocalPath(info, *headerSize);
  if (*flags & kNetworkPath) return NetworkPath(info);
  return std::nullopt;
}

// The path the item ID list spells: a drive item ("C:\") followed by file-entry items, each holding its
// name (8-bit, or UTF-16 when the item says so) after a fixed 14-byte head.
std::string IdListPath(std::string_view list) {
  std::string path;
  for (size_t at = 0;;) {
    auto size = U16(list, at);
    if (!size || *size < 3 || *size > list.size() - at) return path;
    std::string_view item = list.substr(at, *size);
    at += *size;
    unsigned type = static_cast<unsigned char>(item[2]);
    if ((type & 0x70) == 0x20) {
      path = AnsiAt(item, 3).value_or("");
    } else if ((type & 0x70) == 0x30) {
      auto name = (type & 0x04) ? WideAt(item, 14) : AnsiAt(item, 14);
      if (!name) return path;
      if (!path.empty() && path.back() != '\\') path += '\\';
      path += *name;
    }
  }
}

}  // namespace

std::optional<std::string> ShellLinkTarget(std::string_view bytes) {
  if (U32(bytes, 0) != kHeaderSize || bytes.size() < kHeaderSize || bytes.substr(4, 16) != kLinkClsid)
    return std::nullopt;
  uint32_t flags = *U32(bytes, 0x14);
  size_t at = kHeaderSize;
  std::string_view idList;
  if (flags & kHasIdList) {
    auto size = U16(bytes, at);
    if (!size || *size > bytes.size() - at - 2) return std::nullopt;
    idList = bytes.substr(at + 2, *size);
    at += 2 + *size;
  }
  if ((flags & kHasLinkInfo) && !(flags & kForceNoLinkInfo)) {
    auto size = U32(bytes, at);
    if (!size || *size < 0x1C || *size > bytes.size() - at) return std::nullopt;
    if (auto path = LinkInfoPath(bytes.substr(at, *size))) return path;
  }
  return IdListPath(idList);
}
