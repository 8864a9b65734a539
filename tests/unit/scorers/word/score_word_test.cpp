#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "scorers/word/word_criteria.h"
#include "scoring/scorer_entry.h"
#include "word_question.h"

namespace {

TEST(ScoreWord, MissingFileLeavesTheOutputsAndAppendsOneItem) {
  WordQuestion question;  // no criteria file written
  int maximum = 4, achieved = 3;
  std::string feedback = "before";
  ScorerContext context{question.WebRoot(), question.word.Starter(), nullptr};
  EXPECT_EQ(ScoreWord(context, question.DocumentPath(), question.CriteriaPath(), maximum, achieved, feedback), -2);
  EXPECT_EQ(feedback, "before" + G("未找到相应文件<br>"));
  EXPECT_EQ(maximum, 4);
  EXPECT_EQ(achieved, 3);
  question.Criteria("");
  EXPECT_EQ(ScoreWord(context, question.DocumentPath() + "x", question.CriteriaPath(), maximum, achieved, feedback),
            -2);
  EXPECT_EQ(question.word.Started(), 0);
}

TEST(ScoreWord, WordThatCannotStartGivesMinusOne) {
  WordQuestion question;
  question.Criteria("[score]\nall_score=5\n");
  question.word.startable = false;
  WordScore score = question.Score("x");
  EXPECT_EQ(score.result, -1);
  EXPECT_EQ(score.feedback, "x未能启动word<br>");
  EXPECT_EQ(score.maximum, 0);
  // No backend at all is the same as a Word that cannot start.
  int maximum = 0, achieved = 0;
  std::string feedback;
  ScorerContext none{question.WebRoot(), nullptr, nullptr};
  EXPECT_EQ(ScoreWord(none, question.DocumentPath(), question.CriteriaPath(), maximum, achieved, feedback), -1);
}

// The running score is driven through the paragraph-count rule: a one-paragraph document with num 0
// earns score_num.
TEST(ScoreWord, MaximumAndAchievedFromTheRunningScore) {
  struct Case {
    const char* criteria;
    int maximum;
    int achieved;
  } cases[] = {
      {"[paragraph]\nnum=0\nscore_num=7.9\n", 10, 7},
      {"[score]\nall_score=0\n[paragraph]\nnum=0\nscore_num=-3\n", 0, 0},
      {"[score]\nall_score=8\n[paragraph]\nnum=0\nscore_num= 2.5e1xyz\n", 8, 25},
      {"[paragraph]\nnum=0\nscore_num=abc\n", 10, 0},
      {"[paragraph]\nnum=0\nscore_num=1e300\n", 10, 2147483647},
  };
  for (const Case& c : cases) {
    WordQuestion question;
    question.Document().AddParagraph("only");
    question.Criteria(c.criteria);
    WordScore score = question.Score();
    EXPECT_EQ(score.result, 0) << c.criteria;
    EXPECT_EQ(score.maximum, c.maximum) << c.criteria;
    EXPECT_EQ(score.achieved, c.achieved) << c.criteria;
    EXPECT_EQ(question.word.Running(), 0) << "Word is ended after scoring";
  }
}

TEST(LeadingNumber, TakesTheLongestLeadingDecimalNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"2", 2},    {" \t1.5pt", 1.5}, {"-3", -3},  {"+.5", 0.5}, {"1e2", 100}, {"1e", 1},
      {"2.E-1", 0.2}, {".", 0},       {"-", 0},    {"", 0},      {"0x10", 0},  {"inf", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(ScoreWord, AutomationErrorEndsWordAndPassesToTheCaller) {
  WordQuestion question;
  question.Criteria("[score]\nall_score=5\n");
  int maximum = 0, achieved = 0;
  std::string feedback = "kept";
  // Word cannot open the document: this model knows no document at that path.
  WordModel empty;
  ScorerContext context{question.WebRoot(), empty.Starter(), nullptr};
  EXPECT_THROW(ScoreWord(context, question.DocumentPath(), question.CriteriaPath(), maximum, achieved, feedback),
               AutomationError);
  EXPECT_EQ(empty.Started(), 1);
  EXPECT_EQ(empty.Running(), 0);
  EXPECT_EQ(maximum, 0);
  EXPECT_EQ(feedback, "kept");
}

// One question through every family: the paragraph-count item comes first, then the table items, then
// the paragraph items, each ending in "<br>".
TEST(ScoreWord, WholeQuestionFeedbackBytesAndOrder) {
  WordQuestion question;
  WordDocumentModel& document = question.Document();
  document.AddParagraph(G("学生成绩表"));
  WordTableModel& table = document.AddTable(2, 2);
  table.Cell(1, 1).paragraph.text = G("姓名");
  table.Cell(1, 2).paragraph.text = G("成绩");
  table.Cell(1, 2).paragraph.font.bold = -1;
  document.AddParagraph(G("说明：成绩按百分制计算。")).font.size = 12;
  question.Criteria(
      "[score]\nall_score=6\n"
      "[table]\nrow=3\ncolumn=2\nscore_column=1\n"
      "[cell]\ncheck=1-1,1-2\n"
      "[rc1-1]\ntext=姓名\nscore_text=1\n"
      "[rc1-2]\ntext=分数\nbold=0\nscore_text=1\n"
      "[paragraph]\nnum=2\nscore_num=1\np1=说明\n"
      "[p1]\nsize=10.500000\nscore_size=1\nwcount=24\nscore_wcount=2\n");
  WordScore score = question.Score();
  EXPECT_EQ(score.result, 0);
  EXPECT_EQ(score.maximum, 6);
  EXPECT_EQ(score.achieved, 1 + 1 + 2);
  std::string expected =
      "段落数目错误：可能没有合并或拆分段落。<br>"
      "表格行数错误<br>"
      "第1行第2列[bold]<br>第1行第2列[text]<br>"
      "标题[size]<br>";
  EXPECT_EQ(score.feedback, expected);
  EXPECT_EQ(G(score.feedback), G(expected));
  EXPECT_EQ(question.word.Running(), 0);
}

}  // namespace
