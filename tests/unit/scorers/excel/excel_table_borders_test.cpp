#include <gtest/gtest.h>

#include <functional>

#include "excel_question.h"
#include "scorers/excel/excel_session.h"

namespace {

const char* const kBorderScores = "[score]\ncontent_exception_row=4\ncontent_border=64\ncontent_width=128\n";

// An empty table B3:C5 (no text keys, so only the border, shading and width checks can fail) with thin
// black lines everywhere from A2.
const std::map<std::string, std::string> kBorderKeys = {{"start", "3"},        {"end", "5"},     {"col_start", "2"},
                                                        {"col_end", "3"},      {"width", "2"},   {"line_style", "1"},
                                                        {"border_color", "000000"}};
const ExcelLineModel kThin{1, 2, 0};

void Lined(ExcelSheetModel& sheet) { sheet.Grid("A2", "C5", kThin); }

void ShadeRow4(ExcelSheetModel& sheet, int fromColumn, int colorIndex, int pattern) {
  for (int column = fromColumn; column <= 3; ++column) {
    sheet.Cell(4, column).colorIndex = colorIndex;
    sheet.Cell(4, column).pattern = pattern;
  }
}

TEST(ExcelTableBorders, ReadsTopEdgesOfRowsAndLeftEdgesOfColumnsOnly) {
  const std::string label = Ansi("表格内容边框");
  const SheetCase cases[] = {
      {"all right", Lined, {}, 64 + 128, ""},
      {"right edge of the last column and bottom edge of the last row are never read",
       Then(Lined, [](ExcelSheetModel& s) {
         s.Border("C4", EXCEL_EDGE_RIGHT) = {};
         s.Border("B5", EXCEL_EDGE_BOTTOM) = {-4119, 4, 255};
       }),
       {}, 64 + 128, ""},
      {"row edges start at column A, and each item comes once",
       Then(Lined, [](ExcelSheetModel& s) { s.Border("A4", EXCEL_EDGE_TOP) = s.Border("A5", EXCEL_EDGE_TOP) = {}; }),
       {}, 128, label + "{line_style}<br>"},
      {"weight and colour items in that order",
       Then(Lined, [](ExcelSheetModel& s) { s.Border("B3", EXCEL_EDGE_TOP) = {1, -4138, 255}; }), {}, 128,
       label + "{width}<br>" + label + "{color}<br>"},
      {"a wrong left edge, from the row above the table, costs content_border silently",
       Then(Lined, [](ExcelSheetModel& s) { s.Border("C2", EXCEL_EDGE_LEFT) = {-4115, 2, 0}; }), {}, 128, ""},
      {"without the width key content_border is never added", Lined, {"-width"}, 128, ""},
      {"a table from row 1 reads its left edges from row 1",
       [](ExcelSheetModel& s) { s.Grid("A1", "C3", kThin); }, {"start=1", "end=3"}, 64 + 128, ""},
      {"right column widths", [](ExcelSheetModel& s) { Lined(s); s.SetColumnWidth(3, 60.5); },
       {"B_width=48.000000", "C_width=60.500000"}, 64 + 128, ""},
      {"a width wrong on every row gives one item; the key must be written as %f",
       Lined, {"B_width=48", "C_width=50.000000"}, 64,
       "B" + Ansi("列") + "{width}<br>C" + Ansi("列") + "{width}<br>"},
      {"right shading", Then(Lined, [](ExcelSheetModel& s) { ShadeRow4(s, 1, 6, 1); }),
       {"exception_row=4", "row_4_colorindex=6", "row_4_pattern=1"}, 4 + 64 + 128, ""},
      {"wrong pattern only", Then(Lined, [](ExcelSheetModel& s) { ShadeRow4(s, 1, 6, -4142); }),
       {"exception_row=4", "row_4_colorindex=6", "row_4_pattern=1"}, 64 + 128,
       Ansi("第4行底纹图案有误") + "<br>"},
      {"shading read from column A", Then(Lined, [](ExcelSheetModel& s) { ShadeRow4(s, 2, 6, 1); }),
       {"exception_row=4", "row_4_colorindex=6", "row_4_pattern=1"}, 64 + 128,
       Ansi("第4行底纹颜色有误") + "<br>" + Ansi("第4行底纹图案有误") + "<br>"},
      {"rows outside exception_row are not compared", Lined, {"exception_row=3", "row_4_colorindex=6"},
       4 + 64 + 128, ""},
  };
  for (const SheetCase& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { c.build(q.Sheet()); },
        "[items]\ncontent=1\n" + IniSection("content", kBorderKeys, c.overrides) + kBorderScores, c.points, c.feedback);
  }
}

}  // namespace
