#pragma once
// The forms in which the Excel rules compare what Excel reports.
#include <string>

class ExcelRange;

// A double truncated toward zero to a 32-bit integer (out-of-range values are clamped, NaN is 0).
int Truncate(double value);

// A colour number as six or more lower-case hexadecimal digits ("%06x"); Excel keeps red in the low
// byte, so pure red reads 0000ff.
std::string ColorText(double color);

// A width as "%f" writes it, six decimals.
std::string WidthText(double width);

// The cell's Text with the blanks at both ends removed.
std::string CellText(ExcelRange& cell);

// The letter of a table column, A for 1 to Z for 26. Criteria name at most 26 table columns; a column
// outside them raises AutomationError rather than forming an address that names another cell.
char ColumnLetter(int column);

// The address of a cell such as "B5".
std::string CellAddress(int row, int column);

// "第5行" for row 5: how feedback names a table row.
std::string RowName(int row);
