#include "scorers/excel/excel_table_borders.h"

#include <algorithm>

#include "app/texts.h"
#include "scorers/excel/excel_values.h"
#include "scoring/split_set.h"

TableBorderChecks::TableBorderChecks(ExcelRun& run, int start, int end, int colStart, int colEnd)
    : run_(run),
      start_(start),
      end_(end),
      colEnd_(colEnd),
      color_(run.Text("content", "border_color")),
      width_(run.Int("content", "width")),
      lineStyle_(run.Int("content", "line_style")),
      colourHeld_(!color_.empty()),
      weightHeld_(width_ != SCORE_ABSENT),
      lineHeld_(lineStyle_ != SCORE_ABSENT),
      exceptionRows_(SplitSet(run.Text("content", "exception_row"), ',')),
      shadingFailed_(exceptionRows_.empty()) {
  for (int column = colStart; column <= colEnd; ++column) {
    std::string width = run.Text("content", std::string(1, ColumnLetter(column)) + "_width");
    if (!width.empty()) columnWidths_[column] = width;
  }
}

void TableBorderChecks::CheckRow(int row) {
  auto rowRange = run_.sheet.Range(CellAddress(row, 1), CellAddress(row, colEnd_));
  const std::string label = AnsiText(EXCEL_TABLE_BORDER_LABEL);
  auto top = rowRange->Borders()->Item(EXCEL_EDGE_TOP);
  if (lineHeld_ && top->LineStyle() != lineStyle_) {
    lineHeld_ = false;
    run_.AddItem(label, "line_style");
  }
  if (weightHeld_ && top->Weight() != width_) {
    weightHeld_ = false;
    run_.AddItem(label, "width");
  }
  if (colourHeld_ && ColorText(top->Color()) != color_) {
    colourHeld_ = false;
    run_.AddItem(label, "color");
  }
  if (exceptionRows_.contains(std::to_string(row))) CheckShading(row, *rowRange);
}

void TableBorderChecks::CheckShading(int row, ExcelRange& rowRange) {
  auto interior = rowRange.Interior();
  std::string prefix = "row_" + std::to_string(row);
  std::string colorIndex = run_.Text("content", prefix + "_colorindex");
  if (!colorIndex.empty() && std::to_string(interior->ColorIndex()) != colorIndex) {
    shadingFailed_ = true;
    run_.AddItem(RowName(row) + AnsiText(EXCEL_SHADING_COLOR_WRONG));
  }
  std::string pattern = run_.Text("content", prefix + "_pattern");
  if (!pattern.empty() && std::to_string(interior->Pattern()) != pattern) {
    shadingFailed_ = true;
    run_.AddItem(RowName(row) + AnsiText(EXCEL_SHADING_PATTERN_WRONG));
  }
}

void TableBorderChecks::CheckLeftBorder(int column) {
  auto columnRange = run_.sheet.Range(CellAddress(std::max(start_ - 1, 1), column), CellAddress(end_, column));
  auto left = columnRange->Borders()->Item(EXCEL_EDGE_LEFT);
  if (colourHeld_ && ColorText(left->Color()) != color_) colourHeld_ = false;
  if (lineHeld_ && left->LineStyle() != lineStyle_) lineHeld_ = false;
  if (weightHeld_ && left->Weight() != width_) weightHeld_ = false;
}

void TableBorderChecks::CheckWidth(int column, ExcelRange& cell) {
  auto expected = columnWidths_.find(column);
  if (expected == columnWidths_.end() || failedColumns_.contains(column)) return;
  if (WidthText(cell.Width()) == expected->second) return;
  failedColumns_.insert(column);
  run_.AddItem(ColumnLetter(column) + AnsiText(EXCEL_COLUMN_AFTER), "width");
}

void TableBorderChecks::AddShadingPoints() {
  if (!shadingFailed_) run_.AddPoints("content_exception_row");
}

void TableBorderChecks::AddBorderAndWidthPoints() {
  if (lineHeld_ && colourHeld_ && weightHeld_) run_.AddPoints("content_border");
  if (failedColumns_.empty()) run_.AddPoints("content_width");
}
