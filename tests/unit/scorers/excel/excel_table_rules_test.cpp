#include <gtest/gtest.h>

#include <functional>

#include "excel_question.h"

namespace {

const char* const kTableScores =
    "[score]\ncontent_delete=1\ncontent_exception=2\ncontent_exception_row=4\ncontent_format=8\n"
    "content_format_exception=16\ncontent_content=32\ncontent_border=64\ncontent_width=128\n";
// A right table without exception cells, shading, border or width keys: format, content and width.
constexpr int kRight = 8 + 32 + 128;

// The table A3:C5 and the criteria that describe it, with a common format every cell already has.
const char* const kTable[3][3] = {{"Name", "Qty", "Price"}, {"Pen", "2", "1.5"}, {"Ink", "3", "4"}};
const std::map<std::string, std::string> kTableKeys = {
    {"start", "3"},   {"end", "5"},     {"col_start", "1"}, {"col_end", "3"},  {"A3", "Name"},  {"B3", "Qty"},
    {"C3", "Price"},  {"A4", "Pen"},    {"B4", "2"},        {"C4", "1.5"},     {"A5", "Ink"},   {"B5", "3"},
    {"C5", "4"},      {"color", "0000ff"}, {"bold", "0"},  {"font", "Arial"}, {"size", "11"},  {"align", "1"},
    {"italic", "0"}};

void Table(ExcelSheetModel& sheet) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      ExcelCellModel& cell = sheet.Cell(3 + r, 1 + c);
      cell.text = kTable[r][c];
      cell.font.color = 255;  // red: 0000ff
      cell.font.size = 11.5;
    }
  }
}

TEST(ExcelTableRules, ComparesTextFormatsExceptionsAndTheDeletedRow) {
  const std::string table = Ansi("表格"), contentItem = Ansi("表格") + "{content}<br>";
  auto row = [](int r) { return Ansi("第") + std::to_string(r) + Ansi("行："); };
  // The items of an empty cell that should hold text, for the given common-format attributes.
  auto emptyCell = [&](int r, const char* address, std::vector<std::string> attributes) {
    std::string items = table + address + Ansi("没有内容") + "<br>";
    for (const std::string& a : attributes) {
      items += row(r) + Ansi("因表格") + address + Ansi("计算结果为空导致") + "{" + a + "}<br>";
    }
    return items;
  };
  const std::vector<std::string> allAttributes = {"size", "color", "bold", "italic", "font", "align"};
  const SheetCase cases[] = {
      {"all right", Table, {}, kRight, ""},
      {"end before start: no table points or feedback", Table, {"end=2"}, 0, ""},
      {"col_start after col_end: no table points or feedback", Table, {"col_start=4"}, 0, ""},
      {"text without a key loses content_content", Table, {"-C5"}, kRight - 32, contentItem},
      {"empty cell without a key is neither an error nor a format check",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("B4") = ExcelCellModel(); }), {"-B4"}, kRight, ""},
      {"empty cell with an expected text", Then(Table, [](ExcelSheetModel& s) { s.Cell("B5").text = ""; }), {},
       128, emptyCell(5, "B5", allAttributes) + contentItem},
      {"row items only for attributes of the common format",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("A4").text = "  "; }), {"-color", "-bold", "-italic", "-align"},
       128, emptyCell(4, "A4", {"size", "font"}) + contentItem},
      {"two size errors in one row give one item, in size-colour-bold order",
       Then(Table, [](ExcelSheetModel& s) {
         s.Cell("A4").font.size = 12;
         s.Cell("C4").font.size = 10.9;
         s.Cell("C4").font.bold = -1;
       }),
       {}, kRight - 8, row(4) + "{size}<br>" + row(4) + "{bold}<br>"},
      {"size errors in two rows give two items",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("A4").font.size = s.Cell("A5").font.size = 12; }), {}, kRight - 8,
       row(4) + "{size}<br>" + row(5) + "{size}<br>"},
      {"font name and alignment compared as text",
       Then(Table, [](ExcelSheetModel& s) {
         s.Cell("B3").font.name = "Arial ";
         s.Cell("C3").horizontalAlignment = -4152;
         s.Cell("A3").font.italic = -1;
       }),
       {}, kRight - 8, row(3) + "{italic}<br>" + row(3) + "{font}<br>" + row(3) + "{align}<br>"},
      {"exception cell held to its own format only",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("B4").font.bold = -1; }), {"exception=B4", "B4_bold=-1"},
       kRight + 2 + 16, ""},
      {"a wrong exception cell costs its points silently", Table, {"exception=B4", "B4_bold=-1"}, kRight, ""},
      {"empty exception cell fails the exceptions, not the format, and still gives its row items",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("B4").text = ""; }), {"exception=B4", "B4_bold=-1"},
       8 + 128, emptyCell(4, "B4", allAttributes) + contentItem},
      {"a blank after the comma: the second piece matches no cell",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("B4").font.bold = s.Cell("C5").font.bold = -1; }),
       {"exception=B4, C5", "B4_bold=-1", "C5_bold=-1"}, 2 + 32 + 128, row(5) + "{bold}<br>"},
      {"no common format: no format points, held exceptions still count",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("B4").font.bold = -1; }),
       {"-color", "-bold", "-font", "-size", "-align", "-italic", "exception=B4", "B4_bold=-1"}, 2 + 32 + 128, ""},
  };
  for (const SheetCase& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { c.build(q.Sheet()); },
        "[items]\ncontent=1\n" + IniSection("content", kTableKeys, c.overrides) + kTableScores, c.points, c.feedback);
  }
}

TEST(ExcelTableRules, ReportsADeletedRowThatIsStillThereOnce) {
  struct Case {
    const char* what;
    SheetBuilder build;
    const char* deleteSection;
    int points;
    std::string feedback;
  } cases[] = {
      {"row gone", Table, "[delete]\nrow=1\ncontent= Lamp \n", kRight + 1, ""},
      {"row still there, twice",
       Then(Table, [](ExcelSheetModel& s) { s.Cell("A4").text = "Ink"; }), "[delete]\nrow=1\ncontent=Ink\n",
       kRight - 32, Ansi("没有删除指定的行") + "<br>" + Ansi("表格") + "{content}<br>"},
      {"only the named column counts", Table, "[delete]\nrow=2\ncontent=Ink\n", kRight + 1, ""},
      {"row 0 turns the check off", Table, "[delete]\nrow=0\ncontent=Ink\n", kRight, ""},
  };
  for (const Case& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { c.build(q.Sheet()); },
        "[items]\ncontent=1\n" + IniSection("content", kTableKeys) + c.deleteSection + kTableScores, c.points,
        c.feedback);
  }
}

}  // namespace
