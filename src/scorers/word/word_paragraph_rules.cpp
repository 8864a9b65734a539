#include "scorers/word/word_paragraph_rules.h"

#include <vector>

#include "app/texts.h"
#include "scorers/word/word_format_rules.h"
#include "scorers/word/word_paragraph_values.h"

namespace {

// Opening texts are read up to 63 bytes; a cut opening text still matches as a prefix.
constexpr size_t OPENING_SIZE = 64;

std::string SectionName(int n) { return std::string("p").append(std::to_string(n)); }

// The first criteria paragraph whose opening text the text begins with, or 0.
int MatchOpening(const std::vector<std::string>& openings, const std::string& text) {
  for (size_t n = 1; n < openings.size(); ++n) {
    if (!openings[n].empty() && text.starts_with(openings[n])) return static_cast<int>(n);
  }
  return 0;
}

// The label at the start of the feedback items of criteria paragraph n: with a title, paragraph 1 is the
// title and the others count from it.
std::string ParagraphLabel(int title, int n) {
  if (title == 0) return Format(AnsiText(WORD_PARAGRAPH_LABEL), n);
  if (n == 1) return AnsiText(WORD_TITLE_LABEL);
  return Format(AnsiText(WORD_PARAGRAPH_LABEL), n - 1);
}

}  // namespace

void RunParagraphRules(WordRuleRun& run, std::string& callerFeedback, WordSelection& selection, bool hasTable) {
  std::unique_ptr<WordParagraphs> paragraphs = selection.Paragraphs();
  int count = paragraphs->Count();
  int title = run.ReadInt("paragraph", "title", 1);
  int num = run.ReadInt("paragraph", "num", 20);
  std::vector<std::string> openings(1);  // index 0 unused: criteria paragraphs count from 1
  for (int n = 1; n <= num; ++n) {
    openings.push_back(ReadIniString(run.criteriaPath, "paragraph", SectionName(n), "", OPENING_SIZE));
  }

  int examined = 0;
  for (int k = 2; k <= count; ++k) {
    std::unique_ptr<WordParagraph> paragraph = paragraphs->Item(k);
    std::unique_ptr<WordRange> range = paragraph->Range();
    ParagraphValues values;
    values.text = ParagraphText(*range);
    if (values.text.empty()) continue;
    ++examined;
    ReadParagraphValues(*paragraph, *range, values);
    int n = MatchOpening(openings, values.text);
    if (n == 0) continue;
    openings[n].clear();  // each criteria paragraph matches one document paragraph at most
    ApplyParagraphRules(run, SectionName(n), ParagraphLabel(title, n), values, *range);
    if (hasTable) break;
  }

  if (run.ReadInt("paragraph", "score_num") == INT_ABSENT) return;
  if (examined == num) {
    run.AddScore("paragraph", "score_num");
  } else {
    callerFeedback += AnsiText(WORD_PARAGRAPH_COUNT_WRONG);
    callerFeedback += ITEM_END;
  }
}
