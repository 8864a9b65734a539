#include "app/ini_parser.h"

#include <cstdint>
#include <vector>

#include "app/mbcs.h"
#include "platform/codepage.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

struct Line {
  size_t begin;  // first byte of the line
  size_t end;    // one past its last byte, before the line end
  size_t next;   // first byte of the next line
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section or key name, trimmed
  size_t valueBegin = 0;   // key lines: the value as written (trimmed, quotes included), offsets in the text
  size_t valueEnd = 0;
};

std::vector<Line> SplitLines(std::string_view text, size_t start) {
  std::vector<Line> lines;
  size_t pos = start;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back({pos, text.size(), text.size()});
      break;
    }
    size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

ParsedLine ParseLine(std::string_view text, const Line& line) {
  ParsedLine parsed;
  std::string_view raw = text.substr(line.begin, line.end - line.begin);
  std::string_view trimmed = TrimBlanks(raw);
  if (trimmed.empty() || trimmed.front() == ';') return parsed;
  if (trimmed.front() == '[') {
    size_t close = FindChar(trimmed, ']');
    if (close == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Section;
    parsed.name = TrimBlanks(trimmed.substr(1, close - 1));
    return parsed;
  }
  size_t eq = FindChar(trimmed, '=');
  if (eq == std::string_view::npos) return parsed;
  parsed.kind = LineKind::Key;
  parsed.name = TrimBlanks(trimmed.substr(0, eq));
  std::string_view afterEq = trimmed.substr(eq + 1);
  std::string_view value = TrimBlanks(afterEq);
  size_t eqOffset = static_cast<size_t>(trimmed.data() - text.data()) + eq + 1;
  parsed.valueBegin = value.empty() ? eqOffset : static_cast<size_t>(value.data() - text.data());
  parsed.valueEnd = parsed.valueBegin + value.size();
  return parsed;
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive for ASCII letters, never folding the second byte of a double-byte character.
bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Where a key sits in the text: the section's lines and, when found, the key's line.
struct Location {
  bool sectionFound = false;
  const Line* lastContent = nullptr;  // the section's last non-blank line (its header, if nothing else)
  std::optional<ParsedLine> key;
};

Location Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
  Location where;
  // Keys before the first section header belong to the section with the empty name.
  bool inSection = section.empty();
  where.sectionFound = inSection;
  for (size_t i = 0; i < lines.size(); ++i) {
    ParsedLine parsed = ParseLine(text, lines[i]);
    if (parsed.kind == LineKind::Section) {
      if (where.sectionFound) break;  // only the first matching section is searched
      inSection = NamesEqual(parsed.name, section);
      if (inSection) {
        where.sectionFound = true;
        where.lastContent = &lines[i];
      }
      continue;
    }
    if (!inSection) continue;
    if (!TrimBlanks(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty())
      where.lastContent = &lines[i];
    if (parsed.kind == LineKind::Key && NamesEqual(parsed.name, key)) {
      where.key = parsed;
      break;
    }
  }
  return where;
}

// The text in the ANSI code page, decoded from a byte-order-marked encoding where there is one.
std::string DecodeContent(std::string_view content) {
  if (content.substr(0, kUtf8Bom.size()) == kUtf8Bom) return Utf8ToAnsi(content.substr(kUtf8Bom.size()));
  if (content.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
    std::u16string units;
    for (size_t i = kUtf16Bom.size(); i + 1 < content.size(); i += 2)
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(content[i]) |
                                            static_cast<unsigned char>(content[i + 1]) << 8));
    return Utf16ToAnsi(units);
  }
  return std::string(content);
}

std::string_view LineEnd(std::string_view text) {
  if (text.find("\r\n") != std::string_view::npos) return "\r\n";
  if (text.find('\n') != std::string_view::npos) return "\n";
  if (text.find('\r') != std::string_view::npos) return "\r";
  return "\r\n";
}

}  // namespace

std::optional<std::string> IniFindValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  std::string text = DecodeContent(content);
  std::vector<Line> lines = SplitLines(text, 0);
  Location where = Locate(text, lines, section, key);
  if (!where.key) return std::nullopt;
  std::string_view value(text.data() + where.key->valueBegin, where.key->valueEnd - where.key->valueBegin);
  return std::string(Unquote(value));
}

bool IniParseInt(std::string_view value, int& out) {
  std::string_view text = TrimBlanks(value);
  if (text.empty()) return false;
  bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  uint32_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    number = number * 10u + static_cast<uint32_t>(c - '0');
  }
  if (negative) number = 0u - number;
  out = static_cast<int>(number);
  return true;
}

std::optional<std::string> IniSetValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value) {
  if (content.substr(0, kUtf16Bom.size()) == kUtf16Bom) return std::nullopt;
  // UTF-8 keeps the ASCII structure of the file, so a marked file is edited as it is, after its mark.
  size_t start = content.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
  std::vector<Line> lines = SplitLines(content, start);
  Location where = Locate(content, lines, section, key);
  std::string_view eol = LineEnd(content);
  std::string result;
  if (where.key) {
    result.append(content.substr(0, where.key->valueBegin));
    result.append(value);
    result.append(content.substr(where.key->valueEnd));
    return result;
  }
  std::string keyLine = std::string(key).append("=").append(value).append(eol);
  if (where.sectionFound) {
    // After the section's last non-blank line; keys of the unnamed section go before everything else.
    const Line* last = where.lastContent;
    size_t insertAt = last ? last->next : start;
    result.append(content.substr(0, insertAt));
    if (last && last->next == last->end) result.append(eol);  // the file's last line had no line end
    result.append(keyLine);
    result.append(content.substr(insertAt));
    return result;
  }
  result.append(content);
  if (!lines.empty() && lines.back().next == lines.back().end) result.append(eol);
  if (!section.empty()) result.append("[").append(section).append("]").append(eol);
  result.append(keyLine);
  return result;
}
