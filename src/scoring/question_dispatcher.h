#pragma once
// One question of a hand-in: the record "rid|file name|bid" a question list returns, turned into the
// candidate's file below operation\ and the criteria file below score\, scored by the scorer of its type.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "scoring/scorer_entry.h"

// What is reported for one question, by index: rid, bid, rs ("1" full marks, "2" otherwise) and msg
// (the feedback items).
enum ResultIndex { RESULT_RID = 0, RESULT_BID = 1, RESULT_RS = 2, RESULT_MSG = 3 };
using ResultRecord = std::array<std::string, 4>;

// The scorer entry by question type: calls the scorer of `type` with the contract of scorer_entry.h
// (`documentPath` is not used by the Windows scorer) and returns its result, or NO_SCORER when the type
// has none.
using ScorerCall = std::function<int(const std::string& type, const std::string& documentPath,
                                     const std::string& criteriaPath, int& maximum, int& achieved,
                                     std::string& feedback)>;
inline constexpr int NO_SCORER = 1;

// ScoreWord, ScoreExcel and ScoreWindows ("word", "excel", "windows", exact case) with `context`.
ScorerCall ScorerEntry(const ScorerContext& context);

// One scorer call with the caller's `feedback`. An error leaving the scorer (an Office automation
// failure, a crashed Office process) does not leave this call: the question then counts as not scored,
// with achieved 0 and the item "could not be scored" after the feedback the scorer had appended.
struct ScorerOutcome {
  int result = 0;
  int maximum = 0;
  int achieved = 0;
  std::optional<std::string> error;  // the error's text, when one left the scorer
};
ScorerOutcome CallScorer(const ScorerCall& scorer, const std::string& type, const std::string& documentPath,
                         const std::string& criteriaPath, std::string& feedback);

// "1" when the maximum is not 0 and the achieved score equals it, else "2" (so always "2" after an error,
// which leaves achieved at 0).
std::string ResultStatus(int maximum, int achieved);

// Scores the question of `record` with the scorer of `type`, fills `result` and returns the achieved
// score (0 when no scorer ran). A record without a file name runs no scorer. A rid or file name that
// would lead out of operation\ or score\ is not used: the scorer is given no such file and reports it
// missing.
int ScoreQuestion(ResultRecord& result, const std::string& webRoot, const std::string& record,
                  const std::string& type, const ScorerCall& scorer);
