#include <gtest/gtest.h>

#include "excel_question.h"
#include "scorers/excel/excel_session.h"

namespace {

TEST(ScoreExcel, MissingFilesAndAnExcelThatCannotStartAreReportedWithoutTouchingTheScores) {
  const std::string missing = Ansi("未找到相应文件") + "<br>";
  struct Case {
    bool workbook, criteria;
  } cases[] = {{false, true}, {true, false}, {false, false}};
  for (const Case& c : cases) {
    ExcelQuestion question;
    question.Criteria("[score]\nall_score=10\n");
    std::string workbook = c.workbook ? question.WorkbookPath() : question.WorkbookPath() + ".none";
    std::string criteria = c.criteria ? question.CriteriaPath() : question.CriteriaPath() + ".none";
    int maximum = 7, achieved = 8;
    std::string feedback = "before<br>";
    ScorerContext context = question.Context();
    EXPECT_EQ(ScoreExcel(context, workbook, criteria, maximum, achieved, feedback), -2);
    EXPECT_EQ(feedback, "before<br>" + missing);
    EXPECT_EQ(maximum, 7);
    EXPECT_EQ(achieved, 8);
    EXPECT_TRUE(question.Office().log.empty()) << "no Excel is started for a missing file";
  }

  ExcelQuestion question;
  question.Criteria("[score]\nall_score=10\n");
  for (ExcelStarter starter : {ExcelStarter(), ExcelStarter([] { return std::unique_ptr<ExcelSession>(); })}) {
    int maximum = 7, achieved = 8;
    std::string feedback = "before<br>";
    ScorerContext context{question.WebRoot(), nullptr, starter};
    EXPECT_EQ(ScoreExcel(context, question.WorkbookPath(), question.CriteriaPath(), maximum, achieved, feedback),
              -1);
    EXPECT_EQ(feedback, "before<br>" + Ansi("未能启动excel") + "<br>");
    EXPECT_EQ(maximum, 7);
    EXPECT_EQ(achieved, 8);
  }
}

TEST(ScoreExcel, ReportsTheRunningScoreUncappedAndNeverBelowZero) {
  struct Case {
    const char* criteria;
    int maximum, achieved;
  } cases[] = {
      {"[score]\nall_score=10\n", 10, 0},  // nothing switched on: scored, no feedback
      {"[gloal]\nrow=4\ncol=3\n[score]\nall_score=10\ngloal_row=2\ngloal_col=3\n", 10, 5},
      {"[gloal]\nrow=4\ncol=2\n[score]\nall_score=10\ngloal_row=2\ngloal_col=3\n", 10, 2},
      {"[gloal]\nrow=5\ncol=3\n[score]\nall_score=10\ngloal_row=2\ngloal_col=3\n", 10, 3},
      {"[gloal]\nrow=4\n[score]\nall_score=10\ngloal_row=-3\n", 10, 0},
      {"[gloal]\nrow=4\ncol=3\n[score]\nall_score=10\ngloal_row=7\ngloal_col=5\n", 10, 12},
      {"[gloal]\nrow=4\n[score]\ngloal_row=1\n", -999999, 1},  // no all_score
  };
  for (const Case& c : cases) {
    ExcelQuestion question;
    question.Sheet().Cell("B2").text = "x";
    question.Sheet().Cell("D5");  // used range B2:D5, 4 rows and 3 columns
    question.Criteria(c.criteria);
    ExcelOutcome outcome = question.Score("before<br>");
    EXPECT_EQ(outcome.result, 0) << c.criteria;
    EXPECT_EQ(outcome.maximum, c.maximum) << c.criteria;
    EXPECT_EQ(outcome.achieved, c.achieved) << c.criteria;
    EXPECT_EQ(outcome.feedback, "before<br>") << c.criteria;
    EXPECT_EQ(question.Office().log, (std::vector<std::string>{"start", "open " + question.WorkbookPath(),
                                                               "close " + question.WorkbookPath(), "close all",
                                                               "quit"}));
  }
}

TEST(ScoreExcel, OnlyTheValueOneSwitchesAFamilyOn) {
  ExcelQuestion question;
  for (const char* value : {"2", "-1", "yes"}) {
    question.Criteria(std::string("[items]\ntitle=") + value + "\ninsert=" + value + "\ncontent=" + value +
                      "\nborder=" + value + "\nchart=" + value + "\n");
    EXPECT_EQ(question.Score().feedback, "") << value;  // each family would fail at once on these criteria
  }
  question.Criteria("[items]\nchart=1\n");
  EXPECT_EQ(question.Score().feedback, "{chart}<br>");
}

// The scorer lets an automation error pass, with nothing reported, but the Excel instance it started is
// closed and ended first.
TEST(ScoreExcel, AnAutomationErrorEndsExcelAndLeavesTheResultsUntouched) {
  struct Case {
    const char* what;
    const char* criteria;
    bool workbookKnown;
  } cases[] = {
      {"title cell without row and column", "[items]\ntitle=1\n[score]\nall_score=10\n", true},
      {"table wider than column Z", "[items]\ncontent=1\n[content]\nstart=1\nend=2\ncol_start=1\ncol_end=27\n", true},
      {"range border without its range", "[items]\nborder=1\n", true},
      {"workbook Excel cannot open", "[score]\nall_score=10\n", false},
  };
  for (const Case& c : cases) {
    ExcelQuestion question;
    question.Criteria(c.criteria);
    if (!c.workbookKnown) question.Office().workbooks.clear();
    int maximum = 7, achieved = 8;
    std::string feedback = "before<br>";
    ScorerContext context = question.Context();
    EXPECT_THROW(ScoreExcel(context, question.WorkbookPath(), question.CriteriaPath(), maximum, achieved, feedback),
                 AutomationError)
        << c.what;
    EXPECT_EQ(question.Office().running, 0) << c.what;
    EXPECT_EQ(question.Office().log.back(), "quit") << c.what;
    if (c.workbookKnown) {
      EXPECT_EQ(question.Office().log.end()[-2], "close " + question.WorkbookPath()) << c.what;
    }
    EXPECT_EQ(maximum, 7);
    EXPECT_EQ(achieved, 8);
    EXPECT_EQ(feedback, "before<br>");
  }
}

}  // namespace
