#pragma once
// Conversions from the values an office suite stores for a document to the values Word's and Excel's
// object models report for the same document: units, colour byte order, enumerations and flags.
// Pure functions, so that every rule is tested without an office. docs/office-values.md lists each
// property with its rule.
#include <cstdint>
#include <string>
#include <string_view>

// Word's "undefined" (a range that mixes values) and its automatic colour.
inline constexpr int WD_UNDEFINED = 9999999;
inline constexpr int WD_COLOR_AUTOMATIC = -16777216;

// Lengths. Word stores twips and Excel whole pixels, the office hundredths of a millimetre rounded from
// them: going back through whole twips gives Word's exact value (21 pt, not 21.004724 pt).
int HundredthMmToTwips(int hundredthMm);
float HundredthMmToPoints(int hundredthMm);

// Colours: the office keeps 0xRRGGBB with -1 for automatic; Word and Excel report R + 256 G + 65536 B.
int32_t BgrColor(int32_t rgb);
int32_t WordColor(int32_t rgb);  // automatic -> wdColorAutomatic
// WdColorIndex of one of Word's 16 indexed colours; automatic -> wdAuto (0); any other -> WD_UNDEFINED.
int WordColorIndex(int32_t rgb);

// Paragraph alignment (WdParagraphAlignment) from the office's ParagraphAdjust of the paragraph and of
// its last line (a justified last line is Word's "distributed").
int WordAlignment(int paraAdjust, int lastLineAdjust);
// WdUnderline from the office's FontUnderline; `wordsOnly` underlines words, not the blanks between them.
int WordUnderline(int fontUnderline, bool wordsOnly);
// Paragraph.LineSpacing in points: proportional spacing counts 12 pt per line, fixed and minimum spacing
// are lengths.
float WordLineSpacing(int lineSpacingMode, int height);
// Border.LineWidth (WdLineWidth, eighths of a point) of a line this wide; 0 for no line.
int WordLineWidth(int widthHundredthMm);
// PictureFormat.Brightness (0 to 1, 0.5 unchanged) from a luminance adjustment in percent (-100 to 100).
float WordBrightness(int luminancePercent);

// Excel.
int ExcelHorizontalAlignment(int horiJustify, bool distributed);
int ExcelVerticalAlignment(int vertJustify, bool distributed);
int ExcelUnderline(int fontUnderline);
// Interior.ColorIndex: the slot of the default 56-colour palette (the lowest of equal slots); no fill
// -> xlColorIndexNone (-4142); a colour outside the palette -> the slot of the nearest colour.
int ExcelColorIndex(int32_t rgb);
// Interior.Pattern: the office keeps a fill as one colour, so a filled cell is solid.
int ExcelPattern(int32_t rgb);
// Border.LineStyle and Border.Weight from the office's BorderLineStyle and line width.
int ExcelLineStyle(int borderLineStyle, int widthHundredthMm);
int ExcelWeight(int borderLineStyle, int widthHundredthMm);
// Range.Width of a column: Excel widths are whole pixels at 96 dpi, so points in steps of 0.75.
double ExcelColumnWidth(int widthHundredthMm);

// Chart.Type (the legacy XlChartType) from the office's chart type service name and flags.
struct ChartShape {
  std::string_view chartType;  // e.g. "com.sun.star.chart2.ColumnChartType"
  bool horizontal = false;     // bars instead of columns
  bool threeD = false;
  bool ring = false;           // a pie with a hole: a doughnut
  bool mixed = false;          // more than one chart type in the diagram
};
int ExcelChartType(const ChartShape& shape);

// A cell range as the office writes it ("$成绩.$B$4:$B$7", "$'My data'.B3", several joined by ';') in
// the form of Excel's SERIES formula: absolute references, sheet names quoted only where Excel quotes
// them, several ranges in parentheses. Text in and out is UTF-8.
std::string ExcelRangeReference(std::string_view officeRange);
std::string ExcelSeriesFormula(std::string_view name, std::string_view categories, std::string_view values,
                               int plotOrder);
