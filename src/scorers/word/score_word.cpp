#include <cmath>
#include <limits>

#include "app/texts.h"
#include "platform/files.h"
#include "scorers/word/word_criteria.h"
#include "scorers/word/word_paragraph_rules.h"
#include "scorers/word/word_session.h"
#include "scorers/word/word_table_rules.h"
#include "scoring/message_file.h"
#include "scoring/scorer_entry.h"

namespace {

// The running score as whole points: truncated toward zero, never below 0 and never beyond an int.
int Achieved(double score) {
  if (!(score > 0)) return 0;
  return static_cast<int>(std::min(std::trunc(score), double{std::numeric_limits<int>::max()}));
}

}  // namespace

int ScoreWord(const ScorerContext& context, const std::string& documentPath, const std::string& criteriaPath,
              int& maximum, int& achieved, std::string& feedback) {
  if (!PathExists(documentPath) || !PathExists(criteriaPath)) {
    feedback += AnsiText(WORD_FILE_MISSING);
    feedback += ITEM_END;
    return -2;
  }
  // The session ends Word when it goes out of scope, also when an AutomationError leaves this function.
  std::unique_ptr<WordSession> word = context.startWord ? context.startWord() : nullptr;
  if (!word) {
    feedback += AnsiText(WORD_NOT_STARTED);
    feedback += ITEM_END;
    return -1;
  }
  IniFile messages = OpenMessageFile(criteriaPath, context.webRoot);
  WordRuleRun run{criteriaPath, messages};
  {
    std::unique_ptr<WordDocument> document = word->Documents()->Add(documentPath);
    std::unique_ptr<WordSelection> selection = word->Selection();
    selection->WholeStory();
    bool hasTable = RunTableRules(run, *selection);
    RunParagraphRules(run, feedback, *selection, hasTable);
  }
  achieved = Achieved(run.score);
  int allScore = run.ReadInt("score", "all_score");
  maximum = allScore == INT_ABSENT ? 10 : allScore;
  feedback += run.feedback;
  return 0;
}
