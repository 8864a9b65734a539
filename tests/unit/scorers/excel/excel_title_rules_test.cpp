#include <gtest/gtest.h>

#include <functional>

#include "excel_question.h"

namespace {

// Each points key is a different power of two, so the score shows exactly which points were added.
const char* const kTitleScores =
    "[score]\ntitle_merge=1\ntitle_content=2\ntitle_align=4\ntitle_v_align=8\ntitle_font=16\ntitle_color=32\n"
    "title_size=64\ntitle_bold=128\ntitle_italic=256\ntitle_underline=512\ntitle=1024\n";
constexpr int kAll = 2047;

const std::map<std::string, std::string> kTitleKeys = {
    {"row_num", "1"},   {"col_num", "1"},     {"merge_num", "5"},   {"merge", "-1"},     {"content", "Sales"},
    {"align", "-4108"}, {"v_align", "-4108"}, {"font", "SimHei"},   {"color", "0000ff"}, {"size", "16"},
    {"bold", "-1"},     {"italic", "0"},      {"underline", "2"}};

// The title kTitleKeys describe, not yet merged: " Sales ", centred, SimHei, red, 16.5 pt, bold, not
// italic, single underline.
ExcelCellModel TitleCell() {
  ExcelCellModel title;
  title.text = " Sales ";
  title.horizontalAlignment = title.verticalAlignment = -4108;
  title.font = {"SimHei", 255, 16.5, -1, 0, 2};
  return title;
}

void MergedTitleInA1(ExcelSheetModel& sheet) {
  sheet.Cell("A1") = TitleCell();
  sheet.Merge("A1", "D1");
}

TEST(ExcelTitleRules, ChecksMergeTextAlignmentAndFont) {
  const std::string row = Ansi("标题行"), label = Ansi("标题");
  const SheetCase cases[] = {
      {"all right; A1:D1 merged counts 5 though E1 is not merged", MergedTitleInA1, {}, kAll, ""},
      {"nothing merged", [](ExcelSheetModel& s) { s.Cell("A1") = TitleCell(); }, {}, kAll - 1 - 1024,
       row + "{cell_merge}<br>"},
      {"merge check off for a value other than -1", [](ExcelSheetModel& s) { s.Cell("A1") = TitleCell(); },
       {"merge=1"}, kAll - 1, ""},
      {"title in column 2 counts at most 4 of merge_num 5",
       [](ExcelSheetModel& s) {
         s.Cell("B1") = TitleCell();
         s.Merge("B1", "F1");
       },
       {"col_num=2"}, kAll - 1 - 1024, row + "{cell_merge}<br>"},
      {"font name trimmed, size truncated",
       [](ExcelSheetModel& s) {
         MergedTitleInA1(s);
         s.Cell("A1").font.name = " SimHei ";
         s.Cell("A1").font.size = 16.99;
       },
       {}, kAll, ""},
      {"underline alone wrong loses the bonus", MergedTitleInA1, {"underline=-4119"}, kAll - 512 - 1024,
       label + "{underline}<br>"},
      {"every font check wrong, items in check order", MergedTitleInA1,
       {"v_align=-4160", "font=Arial", "color=ff0000", "size=12", "bold=0", "italic=-1"}, 1 + 2 + 4 + 512,
       label + "{v_align}<br>" + label + "{font}<br>" + label + "{color}<br>" + label + "{size}<br>" + label +
           "{bold}<br>" + label + "{italic}<br>"},
      {"content absent, a blank title cell holds",
       [](ExcelSheetModel& s) {
         MergedTitleInA1(s);
         s.Cell("A1").text = "   ";
       },
       {"-content"}, kAll, ""},
      {"content absent is still compared", MergedTitleInA1, {"-content"}, kAll - 2 - 1024, row + "{title}<br>"},
      {"only the content key", MergedTitleInA1,
       {"-merge_num", "-merge", "-align", "-v_align", "-font", "-color", "-size", "-bold", "-italic", "-underline"},
       2 + 1024, ""},
  };
  for (const SheetCase& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { c.build(q.Sheet()); },
        "[items]\ntitle=1\n" + IniSection("title", kTitleKeys, c.overrides) + kTitleScores, c.points, c.feedback);
  }
}

}  // namespace
