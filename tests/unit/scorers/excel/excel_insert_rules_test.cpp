#include <gtest/gtest.h>

#include <functional>

#include "excel_question.h"

namespace {

const char* const kInsertScores =
    "[score]\ninsert_content=1\ninsert_merge=2\ninsert_align=4\ninsert_font=8\ninsert_size=16\n"
    "insert_color=32\ninsert_italic=64\ninsert_bold=128\ninsert=256\n";
constexpr int kAll = 511;

const std::map<std::string, std::string> kInsertKeys = {
    {"row_num", "5"},  {"col_num", "1"},     {"content", "Total"}, {"merge_num", "3"}, {"merge", "-1"},
    {"align", "-4131"}, {"font", "Arial"}, {"size", "12"},       {"color", "000000"}, {"italic", "-1"},
    {"bold", "0"}};

// The inserted row kInsertKeys describe: "Total" in A5, merged over A5:C5, left-aligned, Arial 12 pt,
// black, italic, not bold.
void InsertedRow(ExcelSheetModel& sheet, bool merged = true) {
  ExcelCellModel& cell = sheet.Cell("A5");
  cell.text = "Total";
  cell.horizontalAlignment = -4131;
  cell.font = {"Arial", 0, 12, 0, -1, -4142};
  if (merged) sheet.Merge("A5", "C5");
}

TEST(ExcelInsertRules, ChecksTextMergeAlignmentAndFont) {
  const std::string label = Ansi("插入行");
  auto unmerged = [](ExcelSheetModel& s) { InsertedRow(s, false); };
  struct Case {
    const char* what;
    SheetBuilder build;
    std::vector<std::string> overrides;
    std::string scores;
    int points;
    std::string feedback;
  } cases[] = {
      {"all right", [](ExcelSheetModel& s) { InsertedRow(s); }, {}, kInsertScores, kAll, ""},
      {"merge key absent awards insert_merge unchecked", unmerged, {"-merge"}, kInsertScores, kAll, ""},
      {"merge key 0 awards insert_merge unchecked", unmerged, {"merge=0"}, kInsertScores, kAll, ""},
      {"not merged", unmerged, {}, kInsertScores, kAll - 2 - 256, label + "{cell_merge}<br>"},
      {"wrong text ends the family at once",
       [](ExcelSheetModel& s) {
         InsertedRow(s, false);
         s.Cell("A5").text = "Sum";
       },
       {"align=1"}, kInsertScores, 0, label + "{content}<br>"},
      {"no content key: the text is not compared",
       [](ExcelSheetModel& s) {
         InsertedRow(s);
         s.Cell("A5").text = "Sum";
       },
       {"-content"}, kInsertScores, kAll - 1, ""},
      {"own label, items in check order", [](ExcelSheetModel& s) { InsertedRow(s); },
       {"msg=NewRow", "align=1", "font=SimHei", "size=14", "color=0000ff", "italic=0", "bold=-1"}, kInsertScores,
       1 + 2, "NewRow{align}<br>NewRow{font}<br>NewRow{size}<br>NewRow{color}<br>NewRow{italic}<br>NewRow{bold}<br>"},
      {"font name compared untrimmed",
       [](ExcelSheetModel& s) {
         InsertedRow(s);
         s.Cell("A5").font.name = "Arial ";
       },
       {}, kInsertScores, kAll - 8 - 256, label + "{font}<br>"},
      {"bonus 1 without a [score] insert key", [](ExcelSheetModel& s) { InsertedRow(s); }, {},
       "[score]\ninsert_content=1\n", 1 + 1, ""},
  };
  for (const Case& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { c.build(q.Sheet()); },
        "[items]\ninsert=1\n" + IniSection("insert", kInsertKeys, c.overrides) + c.scores, c.points, c.feedback);
  }
}

}  // namespace
