// The range border rule: the bottom and right edges of one range have the expected colour, weight and
// line style.
#include "app/texts.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_run.h"
#include "scorers/excel/excel_values.h"

void ScoreRangeBorder(ExcelRun& run) {
  const std::string label = AnsiText(EXCEL_BORDER_LABEL);
  std::string color = run.Text("border", "color");
  int width = run.Int("border", "width");
  int lineStyle = run.Int("border", "line_style");
  bool colourOn = !color.empty();
  bool weightOn = width != SCORE_ABSENT;
  bool styleOn = lineStyle != SCORE_ABSENT;
  bool allHeld = true;
  // Each difference is reported once, at the first edge that shows it.
  auto fail = [&](bool& on, const char* messageKey) {
    on = false;
    allHeld = false;
    run.AddItem(label, messageKey);
  };

  auto borders = run.sheet.Range(run.Text("border", "start"), run.Text("border", "end"))->Borders();
  for (int edge : {EXCEL_EDGE_BOTTOM, EXCEL_EDGE_RIGHT}) {
    auto border = borders->Item(edge);
    if (colourOn && ColorText(border->Color()) != color) fail(colourOn, "color");
    if (weightOn && border->Weight() != width) fail(weightOn, "width");
    if (styleOn && border->LineStyle() != lineStyle) fail(styleOn, "line_style");
  }
  if (allHeld) run.AddPoints("border", 1);
}
