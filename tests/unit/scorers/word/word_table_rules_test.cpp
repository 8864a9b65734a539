#include <vector>

#include <gtest/gtest.h>

#include "word_question.h"

namespace {

// A document with a heading and one table of the given cell texts (UTF-8).
WordTableModel& AddTable(WordDocumentModel& document, const std::vector<std::vector<std::string>>& texts) {
  document.AddParagraph(G("表格"));
  WordTableModel& table = document.AddTable(static_cast<int>(texts.size()), static_cast<int>(texts[0].size()));
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = 0; j < texts[i].size(); ++j) table.rows[i][j].paragraph.text = G(texts[i][j]);
  }
  return table;
}

void Build2x3(WordDocumentModel& document) { AddTable(document, {{"a", "b", "c"}, {"d", "e", "f"}}); }

// Row 2: the first cell passes bold -1, the second fails, the third is never looked at.
void BuildBoldRow(WordDocumentModel& document) {
  WordTableModel& table = AddTable(document, {{"a", "b", "c"}, {"d", "e", "f"}});
  table.Cell(2, 1).paragraph.font.bold = -1;
  table.Cell(2, 3).paragraph.font.bold = 0;
}

const RuleCase TABLE_CASES[] = {
    {"NoTableWithRowAndColumn", [](WordDocumentModel& d) { d.AddParagraph("text"); },
     "[table]\nrow=2\ncolumn=3\nscore_row=1\n", "没有插入表格<br>", 0},
    {"NoTableWithoutRow", [](WordDocumentModel& d) { d.AddParagraph("text"); }, "[table]\ncolumn=3\n", "", 0},
    {"AbsentCountKeysGiveBothItems", Build2x3, "", "表格行数错误<br>表格列数错误<br>", 0},
    {"CountsAndBorderScore",
     [](WordDocumentModel& d) {
       WordTableModel& table = AddTable(d, {{"a", "b", "c"}, {"d", "e", "f"}});
       table.borderColorIndex = 6;
       table.borderLineWidth = 8;
     },
     "[table]\nrow=2\ncolumn=3\nb_color=6\nb_width=8\nscore_row=1\nscore_column=2\nscore_color=4\nscore_width=8\n",
     "", 15},
    {"WrongCountsAndBorder", Build2x3,
     "[table]\nrow=3\ncolumn=2\nb_color=6\nb_width=8\nscore_row=1\nscore_column=2\nscore_color=4\n",
     "表格行数错误<br>表格列数错误<br>", 0},
    {"RowRuleStopsAtTheFirstFailingCell", BuildBoldRow,
     "[table]\nrow=2\ncolumn=3\n[row]\ncheck=2\n2_bold=-1\n2_score=5\n", "第2行第2列[bold]<br>", 0},
    {"RowThatKeepsItsFlagEarns", Build2x3, "[table]\nrow=2\ncolumn=3\n[row]\ncheck=1,2\n1_bold=0\n1_score=3\n",
     "", 3},
    {"RowWithoutExpectedValuesLosesItsFlag", Build2x3,
     "[table]\nrow=2\ncolumn=3\n[row]\ncheck=1\n2_bold=0\n1_score=3\n", "", 0},
    {"ColumnRuleEarnsPerColumn", Build2x3,
     "[table]\nrow=2\ncolumn=3\n[column]\ncheck=1,3\n1_italic=0\n1_score=2\n3_text=c\n3_score=7\n",
     "第2行第3列[text]<br>", 2},
    {"RowRuleWinsOverColumnAndCellRules", Build2x3,
     "[table]\nrow=2\ncolumn=3\n[row]\ncheck=1\n1_italic=0\n1_score=1\n[column]\ncheck=1\n1_text=x\n"
     "[cell]\ncheck=1-1,1-2,2-1\n[rc1-1]\ntext=x\n[rc1-2]\ntext=b\nscore_text=4\n[rc2-1]\ntext=x\n",
     "第2行第1列[text]<br>第2行第1列[text]<br>", 5},
    {"CellRuleScoresAMatchingText",
     [](WordDocumentModel& d) { AddTable(d, {{" 姓名 ", "b"}}); },
     "[table]\nrow=1\ncolumn=2\n[cell]\ncheck=1-1,1-2\n[rc1-1]\ntext=姓名\nscore_text=2\n[rc1-2]\ntext=姓名\n"
     "score_text=2\n",
     "第1行第2列[text]<br>", 2},
    {"LongExpectedCellTextMatches",
     [](WordDocumentModel& d) { AddTable(d, {{"中级会计实务财务管理经济法"}}); },
     "[table]\nrow=1\ncolumn=1\n[cell]\ncheck=1-1\n[rc1-1]\ntext=中级会计实务财务管理经济法\nscore_text=3\n", "", 3},
    {"BlankAfterCommaNeverChecksTheRow", Build2x3, "[table]\nrow=2\ncolumn=3\n[row]\ncheck=1, 2\n2_text=x\n", "", 0},
    {"ThreeWrongAttributesInNameOrder", Build2x3,
     "[table]\nrow=2\ncolumn=3\n[cell]\ncheck=2-2\n[rc2-2]\ntext=x\nbold=-1\nalignment=1\nsize=10.500000\n"
     "score_size=1\n",
     "第2行第2列[alignment]<br>第2行第2列[bold]<br>第2行第2列[text]<br>", 1},
    {"CellValueForms",
     [](WordDocumentModel& d) {
       WordCellModel& cell = AddTable(d, {{"a"}}).Cell(1, 1);
       cell.paragraph.font.color = 255;
       cell.paragraph.font.name = G("宋体");
       cell.width = 56.5f;
       cell.shading.texture = 125;
     },
     "[table]\nrow=1\ncolumn=1\n[cell]\ncheck=1-1\n[rc1-1]\ncolor=0000ff\nname=宋体\nwidth=56.500000\n"
     "height=9999999.000000\ntexture=125\ntexture_fgp=0\nscore_color=1\nscore_name=1\nscore_width=1\n"
     "score_height=1\nscore_texture=1\nscore_texture_fgp=1\n",
     "", 6},
    {"AutomaticColourIsEightDigits", [](WordDocumentModel& d) { AddTable(d, {{"a"}}); },
     "[table]\nrow=1\ncolumn=1\n[cell]\ncheck=1-1\n[rc1-1]\ncolor=ff000000\nscore_color=1\n", "", 1},
    {"TableWithFewerRowsThanListed", Build2x3, "[table]\nrow=2\ncolumn=3\n[row]\ncheck=5\n5_text=x\n5_score=2\n", "",
     2},
};

class TableRules : public testing::TestWithParam<RuleCase> {};

TEST_P(TableRules, ScoreAndFeedback) { ExpectScore(GetParam()); }

INSTANTIATE_TEST_SUITE_P(WordScorer, TableRules, testing::ValuesIn(TABLE_CASES), CaseName);

}  // namespace
