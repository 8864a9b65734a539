#include "scoring/question_dispatcher.h"

#include <exception>

#include "app/texts.h"
#include "window/folder_name.h"
#include "window/split_string.h"

namespace {

std::string Piece(const std::vector<std::string>& pieces, size_t index) {
  return index < pieces.size() ? pieces[index] : std::string();
}

}  // namespace

ScorerCall ScorerEntry(const ScorerContext& context) {
  return [context](const std::string& type, const std::string& documentPath, const std::string& criteriaPath,
                   int& maximum, int& achieved, std::string& feedback) {
    if (type == "word") return ScoreWord(context, documentPath, criteriaPath, maximum, achieved, feedback);
    if (type == "excel") return ScoreExcel(context, documentPath, criteriaPath, maximum, achieved, feedback);
    if (type == "windows") return ScoreWindows(context, criteriaPath, maximum, achieved, feedback);
    return NO_SCORER;
  };
}

ScorerOutcome CallScorer(const ScorerCall& scorer, const std::string& type, const std::string& documentPath,
                         const std::string& criteriaPath, std::string& feedback) {
  ScorerOutcome outcome;
  try {
    outcome.result = scorer(type, documentPath, criteriaPath, outcome.maximum, outcome.achieved, feedback);
  } catch (const std::exception& error) {
    // The Office instance the scorer started has been ended by its owner while the error passed.
    outcome.achieved = 0;
    outcome.error = error.what();
    feedback += AnsiText(SCORING_FAILED);
    feedback += FEEDBACK_ITEM_END;
  }
  return outcome;
}

std::string ResultStatus(int maximum, int achieved) { return maximum != 0 && achieved == maximum ? "1" : "2"; }

int ScoreQuestion(ResultRecord& result, const std::string& webRoot, const std::string& record,
                  const std::string& type, const ScorerCall& scorer) {
  std::vector<std::string> pieces = SplitString(record, '|');
  std::string rid = Piece(pieces, 0);
  std::string fileName = Piece(pieces, 1);
  result = {rid, Piece(pieces, 2), "2", ""};
  if (fileName.empty()) return 0;
  std::string criteriaName = Piece(SplitString(fileName, '.'), 0) + ".ini";
  std::string documentPath, criteriaPath;
  if (IsFolderName(rid) && IsFolderName(fileName))
    documentPath = webRoot + "operation\\" + rid + "\\" + type + "\\" + fileName;
  if (IsFolderName(fileName) && IsFolderName(criteriaName))
    criteriaPath = webRoot + "score\\" + type + "\\" + criteriaName;
  ScorerOutcome outcome = CallScorer(scorer, type, documentPath, criteriaPath, result[RESULT_MSG]);
  result[RESULT_RS] = ResultStatus(outcome.maximum, outcome.achieved);
  return outcome.achieved;
}
