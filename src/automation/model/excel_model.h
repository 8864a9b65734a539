#pragma once
// An in-memory workbook for the Excel scorer's tests: one active worksheet (cells with their text and
// format, merged areas, border lines, column widths) and an optional active chart. Test code builds it in
// a few lines; excel_model_session.h serves it through ExcelSession with the values Excel would report.
// Texts are in the ANSI code page, like everything the scorer reads.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// The sheet size of an .xls workbook; addresses beyond it are rejected.
inline constexpr int EXCEL_MODEL_ROWS = 65536;
inline constexpr int EXCEL_MODEL_COLUMNS = 256;

// A cell address such as "B5" or "AA12" as (row, column); nullopt when it is not a valid address.
std::optional<std::pair<int, int>> ParseExcelAddress(std::string_view address);

// Defaults are those of a cell Excel never formatted.
struct ExcelFontModel {
  std::string name = "Arial";
  double color = 0;
  double size = 10;
  int bold = 0;
  int italic = 0;
  int underline = -4142;  // xlUnderlineStyleNone
};

struct ExcelCellModel {
  std::string text;
  ExcelFontModel font;
  int horizontalAlignment = 1;   // xlGeneral
  int verticalAlignment = -4107;  // xlBottom
  int colorIndex = -4142;         // no fill
  int pattern = -4142;            // xlPatternNone
};

// One border line; the default is no line.
struct ExcelLineModel {
  int lineStyle = -4142;  // xlLineStyleNone
  int weight = 2;         // xlThin
  double color = 0;
};

// A rectangle of cells, bounds included.
struct ExcelArea {
  int top = 1;
  int left = 1;
  int bottom = 1;
  int right = 1;
};

class ExcelSheetModel {
 public:
  // Default column width in points (8.43 characters of the default font).
  static constexpr double kDefaultWidth = 48;

  // The cell at "B5" or at (row, column), created on first use. Every created cell is in the used range.
  ExcelCellModel& Cell(std::string_view address);
  ExcelCellModel& Cell(int row, int column);
  // The cell as read; a cell never created has the default format and no text.
  const ExcelCellModel& CellAt(int row, int column) const;

  // Merges the area between two addresses; every cell in it reports MergeCells.
  void Merge(std::string_view first, std::string_view last);
  bool IsMerged(int row, int column) const;

  // The line along one edge (EXCEL_EDGE_*) of a cell. A line is shared with the neighbour on that side, so
  // the bottom line of B4 is the top line of B5, as in Excel.
  ExcelLineModel& Border(std::string_view address, int edge);
  ExcelLineModel LineAt(int row, int column, int edge) const;
  // Draws `line` on every edge of every cell between two addresses (Excel's "all borders").
  void Grid(std::string_view first, std::string_view last, const ExcelLineModel& line);

  void SetColumnWidth(int column, double points);
  double ColumnWidth(int column) const;

  // The rectangle from the first to the last created cell; A1 alone on an empty sheet.
  ExcelArea UsedArea() const;

 private:
  // Key of a line: (row, column, vertical). A horizontal line (row, column) runs above that cell, a vertical
  // one along its left side.
  using LineKey = std::tuple<int, int, bool>;
  static LineKey KeyOf(int row, int column, int edge);

  std::map<std::pair<int, int>, ExcelCellModel> cells_;
  std::vector<ExcelArea> merged_;
  std::map<LineKey, ExcelLineModel> lines_;
  std::map<int, double> widths_;
};

struct ExcelSeriesModel {
  std::string name;
  std::string formula;
  int hasDataLabels = 0;
};

struct ExcelChartModel {
  int type = 3;  // xlColumn
  std::vector<ExcelSeriesModel> series;
  int hasLegend = 1;
  int hasDataTable = 0;
  int hasTitle = 0;
  std::string title;
};

struct ExcelWorkbookModel {
  ExcelSheetModel sheet;
  std::optional<ExcelChartModel> activeChart;
};
