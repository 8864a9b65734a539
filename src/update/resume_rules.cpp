#include "update/resume_rules.h"

#include <charconv>
#include <optional>

namespace {

struct ContentRange {
  std::optional<long long> start;  // absent for "bytes */total"
  std::optional<long long> total;  // absent for ".../*"
};

std::optional<long long> Number(std::string_view text) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// "bytes <start>-<end>/<total>" or "bytes */<total>", where total may be "*".
std::optional<ContentRange> ParseContentRange(std::string_view value) {
  constexpr std::string_view kUnit = "bytes ";
  if (value.substr(0, kUnit.size()) != kUnit) return std::nullopt;
  value.remove_prefix(kUnit.size());
  size_t slash = value.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  std::string_view range = value.substr(0, slash);
  std::string_view total = value.substr(slash + 1);
  ContentRange parsed;
  if (total != "*" && !(parsed.total = Number(total))) return std::nullopt;
  if (range == "*") return parsed;
  size_t dash = range.find('-');
  if (dash == std::string_view::npos || !Number(range.substr(dash + 1))) return std::nullopt;
  if (!(parsed.start = Number(range.substr(0, dash)))) return std::nullopt;
  return parsed;
}

}  // namespace

BodyAction DecideBody(const DownloadHead& head, long long tmpSize) {
  std::optional<ContentRange> range = ParseContentRange(head.contentRange);
  switch (head.status) {
    case 200:
      return BodyAction::Restart;
    case 206:
      return range && range->start == tmpSize ? BodyAction::Append : BodyAction::Refuse;
    case 416:
      return range && !range->start && range->total == tmpSize && tmpSize > 0 ? BodyAction::AlreadyComplete
                                                                              : BodyAction::Refuse;
    default:
      return BodyAction::Refuse;
  }
}

long long ExpectedPackageSize(const DownloadHead& head, BodyAction action) {
  std::optional<ContentRange> range = ParseContentRange(head.contentRange);
  switch (action) {
    case BodyAction::Restart:
      return head.contentLength;
    case BodyAction::Append:
    case BodyAction::AlreadyComplete:
      if (range && range->total) return *range->total;
      if (range && range->start && head.contentLength >= 0) return *range->start + head.contentLength;
      return -1;
    case BodyAction::Refuse:
      break;
  }
  return -1;
}

bool PackageComplete(bool transferOk, long long expectedSize, long long tmpSize) {
  return transferOk && tmpSize > 0 && (expectedSize < 0 || tmpSize == expectedSize);
}
