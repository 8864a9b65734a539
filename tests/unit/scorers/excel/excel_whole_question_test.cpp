#include <gtest/gtest.h>

#include "excel_question.h"

namespace {

// One question through every family, with the texts the exam site shows, byte for byte and in order.
TEST(ExcelWholeQuestion, ScoresEveryFamilyWithExactFeedback) {
  ExcelQuestion question;
  ExcelSheetModel& sheet = question.Sheet();
  sheet.Cell("A1").text = Ansi("工资表");
  sheet.Cell("A1").font.size = 14;
  sheet.Cell("A1").font.bold = -1;
  sheet.Merge("A1", "D1");
  const char* const table[4][4] = {{"姓名", "基本工资", "奖金", "合计"},
                                   {"张三", "3000", "500", "3500"},
                                   {"李四", "2800", "300", ""},
                                   {"王五", "3100", "400", "3500"}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) sheet.Cell(2 + r, 1 + c).text = Ansi(table[r][c]);
  }
  sheet.Cell("B5").font.bold = -1;
  sheet.Cell("A6").text = Ansi("合计");
  sheet.Cell("A6").font.bold = -1;

  std::string content = "[content]\nstart=2\nend=5\ncol_start=1\ncol_end=4\nbold=0\nsize=10\n";
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      content += std::string(1, static_cast<char>('A' + c)) + std::to_string(2 + r) + "=" + table[r][c] + "\n";
    }
  }
  content.replace(content.find("D4=\n"), 4, "D4=3100\n");
  question.Criteria(Ansi(
      "[items]\ntitle=1\ninsert=1\ncontent=1\nborder=1\nchart=1\n"
      "[gloal]\nrow=6\ncol=4\n"
      "[title]\nrow_num=1\ncol_num=1\nmerge_num=5\nmerge=-1\ncontent=工资表\nsize=16\nbold=-1\n"
      "[insert]\nrow_num=6\ncol_num=1\ncontent=合计\nbold=-1\n" +
      content +
      "[border]\nstart=A2\nend=D5\nline_style=1\n"
      "[chart]\ntype=3\n"
      "[score]\nall_score=20\ngloal_row=1\ngloal_col=1\ntitle_merge=2\ntitle_content=1\ntitle_size=1\n"
      "title_bold=1\ntitle=1\ninsert_content=1\ninsert_bold=1\ninsert=2\ncontent_format=2\ncontent_content=3\n"
      "content_width=1\nborder=2\n"));
  question.Messages(Ansi("[msg]\nsize=字号错误\nbold=加粗错误\ncontent=内容错误\nline_style=线型错误\nchart=没有图表\n"));

  ExcelOutcome outcome = question.Score(Ansi("前<br>"));
  EXPECT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.maximum, 20);
  // used range 2, title 2 + 1 + 1, inserted row 1 + 1 + 2, table widths 1.
  EXPECT_EQ(outcome.achieved, 11);
  EXPECT_EQ(outcome.feedback, Ansi("前<br>"
                                   "标题字号错误<br>"
                                   "表格D4没有内容<br>"
                                   "第4行：因表格D4计算结果为空导致字号错误<br>"
                                   "第4行：因表格D4计算结果为空导致加粗错误<br>"
                                   "第5行：加粗错误<br>"
                                   "表格内容错误<br>"
                                   "边框线型错误<br>"
                                   "没有图表<br>"));
}

}  // namespace
