#include "scoring/question_dispatcher.h"

#include <gtest/gtest.h>

#include "app/texts.h"
#include "automation/automation_error.h"
#include "platform/codepage.h"

namespace {

const std::string kRoot = "C:\\www\\";

// A scorer that records what it was given and reports `maximum` and `achieved`.
struct RecordingScorer {
  int maximum = 0;
  int achieved = 0;
  int calls = 0;
  std::string type, documentPath, criteriaPath;

  ScorerCall Call() {
    return [this](const std::string& t, const std::string& document, const std::string& criteria, int& max,
                  int& got, std::string& feedback) {
      ++calls;
      type = t, documentPath = document, criteriaPath = criteria;
      max = maximum, got = achieved;
      feedback += "item<br>";
      return 0;
    };
  }
};

struct RecordCase {
  std::string record, type;
  ResultRecord expected;             // rid, bid, rs, msg
  std::string document, criteria;    // below the root; "-" when no scorer runs, "" when refused
};

class QuestionRecords : public testing::TestWithParam<RecordCase> {};

TEST_P(QuestionRecords, ComposeThePathsAndTheResult) {
  const RecordCase& c = GetParam();
  RecordingScorer scorer;
  ResultRecord result{"old", "old", "old", "old"};
  EXPECT_EQ(ScoreQuestion(result, kRoot, c.record, c.type, scorer.Call()), 0);
  EXPECT_EQ(result, c.expected) << c.record;
  if (c.document == "-") {
    EXPECT_EQ(scorer.calls, 0) << c.record;
    return;
  }
  EXPECT_EQ(scorer.type, c.type);
  EXPECT_EQ(scorer.documentPath, c.document.empty() ? "" : kRoot + c.document) << c.record;
  EXPECT_EQ(scorer.criteriaPath, c.criteria.empty() ? "" : kRoot + c.criteria) << c.record;
}

INSTANTIATE_TEST_SUITE_P(
    Records, QuestionRecords,
    testing::Values(
        RecordCase{"12|1001.doc|7", "word", {"12", "7", "2", "item<br>"},
                   "operation\\12\\word\\1001.doc", "score\\word\\1001.ini"},
        RecordCase{" \r\n12|1001.doc|7\r\n ", "excel", {"12", "7", "2", "item<br>"},
                   "operation\\12\\excel\\1001.doc", "score\\excel\\1001.ini"},
        RecordCase{"12|1001.doc", "word", {"12", "", "2", "item<br>"}, "operation\\12\\word\\1001.doc",
                   "score\\word\\1001.ini"},
        RecordCase{"", "word", {"", "", "2", ""}, "-", "-"},
        RecordCase{"12", "word", {"12", "", "2", ""}, "-", "-"},
        RecordCase{"12||7", "windows", {"12", "", "2", "item<br>"}, "operation\\12\\windows\\|7",
                   "score\\windows\\|7.ini"},
        RecordCase{"1|a.b.doc|2", "word", {"1", "2", "2", "item<br>"}, "operation\\1\\word\\a.b.doc",
                   "score\\word\\a.ini"},
        RecordCase{"1|.doc|2", "word", {"1", "2", "2", "item<br>"}, "operation\\1\\word\\.doc",
                   "score\\word\\.doc.ini"},
        RecordCase{"1|book|2", "excel", {"1", "2", "2", "item<br>"}, "operation\\1\\excel\\book",
                   "score\\excel\\book.ini"},
        // Names that would lead out of operation\ or score\ are not used.
        RecordCase{"..|a.doc|2", "word", {"..", "2", "2", "item<br>"}, "", "score\\word\\a.ini"},
        RecordCase{"1|..\\..\\x.ini|2", "windows", {"1", "2", "2", "item<br>"}, "", ""},
        RecordCase{"C:|a.doc|2", "word", {"C:", "2", "2", "item<br>"}, "", "score\\word\\a.ini"},
        RecordCase{"1|/etc/passwd|2", "word", {"1", "2", "2", "item<br>"}, "", ""}));

TEST(ScoreQuestion, TypeWordWithCapitalRunsNoScorer) {
  ResultRecord result;
  EXPECT_EQ(ScoreQuestion(result, kRoot, "1|a.doc|2", "Word", ScorerEntry(ScorerContext{kRoot, {}, {}})), 0);
  EXPECT_EQ(result, (ResultRecord{"1", "2", "2", ""}));
}

TEST(ScoreQuestion, FullMarksOnlyWhenTheMaximumIsReachedAndNotZero) {
  struct {
    int maximum, achieved;
    const char* rs;
  } cases[] = {{8, 8, "1"}, {8, 6, "2"}, {0, 0, "2"}, {-999998, 0, "2"}};
  for (const auto& c : cases) {
    RecordingScorer scorer;
    scorer.maximum = c.maximum;
    scorer.achieved = c.achieved;
    ResultRecord result;
    EXPECT_EQ(ScoreQuestion(result, kRoot, "1|a.doc|2", "word", scorer.Call()), c.achieved);
    EXPECT_EQ(result[RESULT_RS], c.rs) << c.maximum << " " << c.achieved;
  }
}

TEST(ScoreQuestion, AnErrorInsideTheScorerReportsTheQuestionAsNotScored) {
  ScorerCall failing = [](const std::string&, const std::string&, const std::string&, int& maximum,
                          int& achieved, std::string& feedback) -> int {
    maximum = achieved = 5;
    feedback += "first<br>";
    throw AutomationError("Office went away");
  };
  ResultRecord result;
  EXPECT_EQ(ScoreQuestion(result, kRoot, "1|a.doc|2", "word", failing), 0);
  EXPECT_EQ(result[RESULT_RS], "2");
  EXPECT_EQ(AnsiToUtf8(result[RESULT_MSG]), "first<br>该题评分出错，未能完成评分<br>");

  std::string feedback;
  ScorerOutcome outcome = CallScorer(failing, "word", "d", "c", feedback);
  EXPECT_EQ(outcome.error, "Office went away");
  EXPECT_EQ(outcome.achieved, 0);
}

}  // namespace
