#include <gtest/gtest.h>

#include "excel_question.h"
#include "scorers/excel/excel_session.h"

namespace {

TEST(ExcelRangeBorderRule, ReadsTheBottomAndRightEdgesOfTheRange) {
  const std::string label = Ansi("边框");
  const ExcelLineModel right{1, -4138, 255};
  auto outlined = [](ExcelSheetModel& s, ExcelLineModel bottom, ExcelLineModel rightEdge) {
    for (const char* cell : {"B4", "C4", "D4"}) s.Border(cell, EXCEL_EDGE_BOTTOM) = bottom;
    for (const char* cell : {"D2", "D3", "D4"}) s.Border(cell, EXCEL_EDGE_RIGHT) = rightEdge;
  };
  const std::map<std::string, std::string> keys = {
      {"start", "B2"}, {"end", "D4"}, {"color", "0000ff"}, {"width", "-4138"}, {"line_style", "1"}};
  struct Case {
    const char* what;
    ExcelLineModel bottom, rightEdge;
    std::vector<std::string> overrides;
    const char* scores;
    int points;
    std::string feedback;
  } cases[] = {
      {"right; top and left edges are not read", right, right, {}, "", 1, ""},
      {"own points", right, right, {}, "[score]\nborder=5\n", 5, ""},
      {"items in colour-weight-style order across both edges", {1, -4138, 0}, {-4119, 2, 255}, {}, "", 0,
       label + "{color}<br>" + label + "{width}<br>" + label + "{line_style}<br>"},
      {"each item once", {1, -4138, 0}, {1, -4138, 0}, {}, "", 0, label + "{color}<br>"},
      {"no colour, weight or style keys", {}, {}, {"-color", "-width", "-line_style"}, "", 1, ""},
  };
  for (const Case& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { outlined(q.Sheet(), c.bottom, c.rightEdge); },
        "[items]\nborder=1\n" + IniSection("border", keys, c.overrides) + c.scores, c.points, c.feedback);
  }
}

}  // namespace
