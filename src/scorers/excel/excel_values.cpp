#include "scorers/excel/excel_values.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "app/mbcs.h"
#include "app/texts.h"
#include "scorers/excel/excel_session.h"

int Truncate(double value) {
  if (std::isnan(value)) return 0;
  if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

std::string ColorText(double color) {
  char text[16];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(Truncate(color)));
  return text;
}

std::string WidthText(double width) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", width);
  return text;
}

std::string CellText(ExcelRange& cell) { return std::string(TrimBlanks(cell.Text())); }

char ColumnLetter(int column) {
  if (column < 1 || column > 26) throw AutomationError("table column " + std::to_string(column) + " beyond Z");
  return static_cast<char>('A' + column - 1);
}

std::string CellAddress(int row, int column) { return ColumnLetter(column) + std::to_string(row); }

std::string RowName(int row) {
  return AnsiText(EXCEL_ROW_BEFORE) + std::to_string(row) + AnsiText(EXCEL_ROW_AFTER);
}
