#pragma once
// The table's border, row-shading and column-width checks. The table walk calls them at fixed points and
// adds their points at its end.
#include <map>
#include <set>
#include <string>

#include "scorers/excel/excel_run.h"

class TableBorderChecks {
 public:
  // The table spans rows start..end and columns colStart..colEnd.
  TableBorderChecks(ExcelRun& run, int start, int end, int colStart, int colEnd);

  // First step of each row: the top edge of the row from column A to the last table column, then the
  // row's shading when it is an exception row.
  void CheckRow(int row);
  // For each column while the first row is walked: the left edge of the column over the table (from the
  // row above it); a difference only clears a flag.
  void CheckLeftBorder(int column);
  // For each cell: its width against [content] <letter>_width, one item per column at most.
  void CheckWidth(int column, ExcelRange& cell);

  // content_exception_row, when no shading check failed.
  void AddShadingPoints();
  // content_border when every border check held, content_width when every column had its width.
  void AddBorderAndWidthPoints();

 private:
  void CheckShading(int row, ExcelRange& rowRange);

  ExcelRun& run_;
  int start_;
  int end_;
  int colEnd_;
  std::string color_;
  int width_;
  int lineStyle_;
  bool colourHeld_;
  bool weightHeld_;
  bool lineHeld_;
  std::set<std::string> exceptionRows_;
  bool shadingFailed_;
  std::map<int, std::string> columnWidths_;
  std::set<int> failedColumns_;
};
