#include "scorers/word/word_content_rules.h"

#include <cstdint>

#include "app/mbcs.h"

namespace {

// The first occurrence of `token` at or after `from` that starts on a character of its own: the trail
// byte of a double-byte character is never taken for an ASCII letter.
size_t FindToken(std::string_view text, std::string_view token, size_t from) {
  for (size_t at = from; at + token.size() <= text.size(); ++at) {
    if (text.compare(at, token.size(), token) == 0) return at;
    if (IsLeadByte(text[at])) ++at;
  }
  return std::string_view::npos;
}

std::string Points(float value) { return Format("%f", static_cast<double>(value)); }

}  // namespace

int CountTokens(std::string_view text, std::string_view token, int64_t limit) {
  int count = 0;
  size_t at = 0;
  while (count < limit && at <= text.size()) {
    size_t found = FindToken(text, token, at);
    if (found == std::string_view::npos) break;
    ++count;
    at = found + token.size();
  }
  return count;
}

void ApplyLengthRule(WordRuleRun& run, const std::string& section, const std::string& text) {
  if (static_cast<int64_t>(text.size()) == run.ReadInt(section, "wcount")) run.AddScore(section, "score_wcount");
}

void ApplyTokenRule(WordRuleRun& run, const std::string& section, const std::string& text) {
  int expected = run.ReadInt(section, "tokennumber");
  // Counting one past the expected number tells an exact count from a larger one.
  int count = expected >= 0 ? CountTokens(text, run.Read(section, "token"), int64_t{expected} + 1) : 0;
  if (count == expected) run.AddScore(section, "score_tokennumber");
}

void ApplyPictureRule(WordRuleRun& run, const std::string& section, const std::string& label, WordRange& range) {
  if (run.ReadInt(section, "picture") != 1) return;
  int index = run.ReadInt(section, "itemindex");
  std::unique_ptr<WordInlineShapes> shapes = range.InlineShapes();
  // A negative (or absent) index and index 0 name no picture; Word would reject index 0.
  if (index < 1 || index > shapes->Count()) {
    run.AddItem(label, "picture");
    return;
  }
  run.AddScore(section, "score_itenindex");
  std::unique_ptr<WordInlineShape> shape = shapes->Item(index);
  std::string height = Points(shape->Height());
  std::string width = Points(shape->Width());
  std::string brightness = Points(shape->PictureFormat()->Brightness());
  if (height == run.Read(section, "pheight") && width == run.Read(section, "pwidth") &&
      brightness == run.Read(section, "pbrightless")) {
    run.AddScore(section, "score_pheight");
  } else {
    run.AddItem(label, "picture");
  }
}
