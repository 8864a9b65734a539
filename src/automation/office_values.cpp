#include "automation/office_values.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The office's enumeration values (com.sun.star.style.ParagraphAdjust, awt.FontUnderline,
// style.LineSpacingMode, table.CellHoriJustify, table.CellVertJustify2, table.BorderLineStyle).
enum ParaAdjust { ADJUST_LEFT = 0, ADJUST_RIGHT = 1, ADJUST_BLOCK = 2, ADJUST_CENTER = 3, ADJUST_STRETCH = 4 };
enum LineSpacingMode { SPACING_PROP = 0, SPACING_MINIMUM = 1, SPACING_LEADING = 2, SPACING_FIX = 3 };
enum BorderStyle {
  LINE_SOLID = 0, LINE_DOTTED = 1, LINE_DASHED = 2, LINE_DOUBLE = 3, LINE_FINE_DASHED = 14,
  LINE_DOUBLE_THIN = 15, LINE_DASH_DOT = 16, LINE_DASH_DOT_DOT = 17, LINE_NONE = 0x7FFF
};

struct IndexedColor {
  int index;
  int32_t rgb;
};

// Word's WdColorIndex colours.
constexpr std::array<IndexedColor, 16> kWordIndexedColors{{
    {1, 0x000000}, {2, 0x0000FF}, {3, 0x00FFFF}, {4, 0x00FF00}, {5, 0xFF00FF}, {6, 0xFF0000},
    {7, 0xFFFF00}, {8, 0xFFFFFF}, {9, 0x000080}, {10, 0x008080}, {11, 0x008000}, {12, 0x800080},
    {13, 0x800000}, {14, 0x808000}, {15, 0x808080}, {16, 0xC0C0C0},
}};

// Excel's default palette, ColorIndex 1 to 56, as 0xRRGGBB.
constexpr std::array<int32_t, 56> kExcelPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

constexpr int XL_NONE = -4142;

int ColorDistance(int32_t a, int32_t b) {
  int dr = ((a >> 16) & 0xFF) - ((b >> 16) & 0xFF);
  int dg = ((a >> 8) & 0xFF) - ((b >> 8) & 0xFF);
  int db = (a & 0xFF) - (b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

int Twips(int hundredthMm) { return HundredthMmToTwips(hundredthMm); }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A name such as "AB12" would read as a cell address, so Excel quotes it.
bool LooksLikeCell(std::string_view name) {
  size_t i = 0;
  while (i < name.size() && IsAsciiLetter(name[i])) ++i;
  if (i == 0 || i > 3 || i == name.size()) return false;
  for (size_t j = i; j < name.size(); ++j)
    if (!IsDigit(name[j])) return false;
  return true;
}

std::string ExcelSheetName(std::string_view sheet) {
  bool quote = sheet.empty() || IsDigit(sheet[0]) || sheet[0] == '.' || LooksLikeCell(sheet);
  for (char c : sheet) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 && !IsAsciiLetter(c) && !IsDigit(c) && c != '_' && c != '.') quote = true;
  }
  if (!quote) return std::string(sheet);
  std::string quoted = "'";
  for (char c : sheet) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

// "B3" or "$B$3" -> "$B$3"; a whole column or row keeps its one part.
std::string AbsoluteCell(std::string_view cell) {
  std::string letters, digits;
  for (char c : cell) {
    if (IsAsciiLetter(c)) letters += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (IsDigit(c)) digits += c;
  }
  std::string result;
  if (!letters.empty()) result += "$" + letters;
  if (!digits.empty()) result += "$" + digits;
  return result;
}

// Splits "$Sheet.$A$1" into the sheet (unquoted, '' undone) and the cell part.
void SplitSheet(std::string_view part, std::string& sheet, std::string_view& cell) {
  if (!part.empty() && part[0] == '$') part.remove_prefix(1);
  if (!part.empty() && part[0] == '\'') {
    size_t i = 1;
    for (; i < part.size(); ++i) {
      if (part[i] != '\'') {
        sheet += part[i];
      } else if (i + 1 < part.size() && part[i + 1] == '\'') {
        sheet += '\'';
        ++i;
      } else {
        break;
      }
    }
    part.remove_prefix(std::min(part.size(), i + 1));
    if (!part.empty() && part[0] == '.') part.remove_prefix(1);
    cell = part;
    return;
  }
  size_t dot = part.rfind('.');
  if (dot == std::string_view::npos) {
    cell = part;
    return;
  }
  sheet = std::string(part.substr(0, dot));
  cell = part.substr(dot + 1);
}

std::string OneRange(std::string_view range) {
  // The end of a range may repeat the sheet ("$S.$A$1:$S.$B$2"); Excel names it once.
  size_t colon = std::string_view::npos;
  bool quoted = false;
  for (size_t i = 0; i < range.size(); ++i) {
    if (range[i] == '\'') quoted = !quoted;
    if (range[i] == ':' && !quoted) colon = i;
  }
  std::string sheet;
  std::string_view cell;
  SplitSheet(range.substr(0, colon), sheet, cell);
  std::string result;
  if (!sheet.empty()) result.append(ExcelSheetName(sheet)).append("!");
  result.append(AbsoluteCell(cell));
  if (colon != std::string_view::npos) {
    std::string endSheet;
    std::string_view endCell;
    SplitSheet(range.substr(colon + 1), endSheet, endCell);
    result.append(":").append(AbsoluteCell(endCell));
  }
  return result;
}

}  // namespace

int HundredthMmToTwips(int hundredthMm) {
  return static_cast<int>(std::lround(hundredthMm * 1440.0 / 2540.0));
}

float HundredthMmToPoints(int hundredthMm) { return static_cast<float>(Twips(hundredthMm)) / 20.0f; }

int32_t BgrColor(int32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int32_t WordColor(int32_t rgb) { return rgb < 0 ? WD_COLOR_AUTOMATIC : BgrColor(rgb & 0xFFFFFF); }

int WordColorIndex(int32_t rgb) {
  if (rgb < 0) return 0;
  for (const IndexedColor& color : kWordIndexedColors)
    if (color.rgb == (rgb & 0xFFFFFF)) return color.index;
  return WD_UNDEFINED;
}

int WordAlignment(int paraAdjust, int lastLineAdjust) {
  switch (paraAdjust) {
    case ADJUST_RIGHT: return 2;
    case ADJUST_CENTER: return 1;
    case ADJUST_BLOCK:
    case ADJUST_STRETCH: return lastLineAdjust == ADJUST_BLOCK ? 4 : 3;
    default: return 0;
  }
}

int WordUnderline(int fontUnderline, bool wordsOnly) {
  // awt.FontUnderline: 0 none, 1 single, 2 double, 3 dotted, 5 dash, 6 long dash, 7 dash-dot,
  // 8 dash-dot-dot, 9 small wave, 10 wave, 11 double wave, 12-18 the bold (heavy) forms of 1, 3, 5-8, 10.
  static constexpr std::array<int, 19> kWord{0, 1, 3, 4, 1, 7, 39, 9, 10, 11, 11, 43, 6, 20, 23, 55, 25, 26, 27};
  if (fontUnderline < 0 || fontUnderline >= static_cast<int>(kWord.size())) return 0;
  if (fontUnderline == 1 && wordsOnly) return 2;
  return kWord[fontUnderline];
}

float WordLineSpacing(int lineSpacingMode, int height) {
  if (lineSpacingMode == SPACING_PROP) return static_cast<float>(height) * 12.0f / 100.0f;
  return HundredthMmToPoints(height);
}

int WordLineWidth(int widthHundredthMm) {
  if (widthHundredthMm <= 0) return 0;
  static constexpr std::array<int, 9> kEighths{2, 4, 6, 8, 12, 18, 24, 36, 48};
  double eighths = Twips(widthHundredthMm) / 2.5;  // 1/8 pt = 2.5 twips
  int best = kEighths[0];
  for (int width : kEighths)
    if (std::abs(width - eighths) < std::abs(best - eighths)) best = width;
  return best;
}

float WordBrightness(int luminancePercent) { return 0.5f + static_cast<float>(luminancePercent) / 200.0f; }

int ExcelHorizontalAlignment(int horiJustify, bool distributed) {
  if (distributed) return -4117;
  switch (horiJustify) {
    case 1: return -4131;  // left
    case 2: return -4108;  // centre
    case 3: return -4152;  // right
    case 4: return -4130;  // justify
    case 5: return 5;      // fill
    default: return 1;     // general
  }
}

int ExcelVerticalAlignment(int vertJustify, bool distributed) {
  if (distributed) return -4117;
  switch (vertJustify) {
    case 1: return -4160;  // top
    case 2: return -4108;  // centre
    case 4: return -4130;  // justify
    default: return -4107;  // bottom, Excel's default
  }
}

int ExcelUnderline(int fontUnderline) {
  switch (fontUnderline) {
    case 0: return XL_NONE;
    case 2: return -4119;  // double
    default: return 2;     // single
  }
}

int ExcelColorIndex(int32_t rgb) {
  if (rgb < 0) return XL_NONE;
  int best = 0;
  for (int i = 0; i < static_cast<int>(kExcelPalette.size()); ++i)
    if (ColorDistance(kExcelPalette[i], rgb) < ColorDistance(kExcelPalette[best], rgb)) best = i;
  return best + 1;
}

int ExcelPattern(int32_t rgb) { return rgb < 0 ? XL_NONE : 1; }

int ExcelLineStyle(int borderLineStyle, int widthHundredthMm) {
  if (borderLineStyle == LINE_NONE || widthHundredthMm <= 0) return XL_NONE;
  switch (borderLineStyle) {
    case LINE_DOTTED: return -4118;
    case LINE_DASHED:
    case LINE_FINE_DASHED: return -4115;
    case LINE_DOUBLE:
    case LINE_DOUBLE_THIN: return -4119;
    case LINE_DASH_DOT: return 4;
    case LINE_DASH_DOT_DOT: return 5;
    default: return 1;
  }
}

int ExcelWeight(int borderLineStyle, int widthHundredthMm) {
  // Excel's widths in twips: hair 1, thin 15, medium 35, thick 50. No line reads as thin.
  if (borderLineStyle == LINE_NONE || widthHundredthMm <= 0) return 2;
  int twips = Twips(widthHundredthMm);
  if (twips <= 7) return 1;
  if (twips <= 25) return 2;
  if (twips <= 42) return -4138;
  return 4;
}

double ExcelColumnWidth(int widthHundredthMm) {
  return std::round(widthHundredthMm * 96.0 / 2540.0) * 0.75;
}

int ExcelChartType(const ChartShape& shape) {
  if (shape.mixed) return -4111;
  std::string_view type = shape.chartType;
  if (size_t dot = type.rfind('.'); dot != std::string_view::npos) type.remove_prefix(dot + 1);
  if (type == "ColumnChartType") {
    if (shape.horizontal) return shape.threeD ? -4099 : 2;
    return shape.threeD ? -4100 : 3;
  }
  if (type == "LineChartType") return shape.threeD ? -4101 : 4;
  if (type == "AreaChartType") return shape.threeD ? -4098 : 1;
  if (type == "PieChartType") return shape.ring ? -4120 : (shape.threeD ? -4102 : 5);
  if (type == "ScatterChartType") return -4169;
  if (type == "NetChartType" || type == "FilledNetChartType") return -4151;
  if (type == "BubbleChartType") return 15;
  if (type == "CandleStickChartType") return 88;
  return 3;
}

std::string ExcelRangeReference(std::string_view officeRange) {
  std::vector<std::string> ranges;
  std::string current;
  bool quoted = false;
  for (char c : officeRange) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && (c == ';' || c == ' ')) {
      if (!current.empty()) ranges.push_back(OneRange(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) ranges.push_back(OneRange(current));
  if (ranges.size() == 1) return ranges[0];
  std::string joined;
  for (const std::string& range : ranges) joined += (joined.empty() ? "" : ",") + range;
  return ranges.empty() ? std::string() : "(" + joined + ")";
}

std::string ExcelSeriesFormula(std::string_view name, std::string_view categories, std::string_view values,
                               int plotOrder) {
  return "=SERIES(" + ExcelRangeReference(name) + "," + ExcelRangeReference(categories) + "," +
         ExcelRangeReference(values) + "," + std::to_string(plotOrder) + ")";
}
