#pragma once
// The Excel operations the scorers use, shaped like Excel's object model: the application object
// (ExcelSession) gives the workbook collection, a workbook its active sheet and active chart, a sheet its
// used range, cells and ranges, a range its counts, cells, values, font, interior and borders.
//
// Values arrive as Excel reports them:
// - texts in the system's ANSI code page;
// - cell flags (MergeCells, Font Bold and Italic) as -1 (true) or 0 (false);
// - chart flags (HasLegend, HasDataTable, HasTitle, HasDataLabels) as 1 (true) or 0 (false);
// - colours as Excel's colour number (red in the low byte), sizes and widths in points, as doubles: the
//   caller truncates them toward zero;
// - alignments, underline, interior, border and chart type as Excel's integer constants.
// A multi-cell range whose cells disagree on a value (Excel answers Null there) reports EXCEL_MIXED for
// numbers and an empty text for texts.
//
// Every failing call raises AutomationError: an address Excel rejects (row or column below 1 or beyond
// the sheet, a cell address that is not one), a series index the chart does not have, a workbook that
// cannot be opened, a call after Quit, an office process that died or hung.
//
// Ownership: every object is owned by the caller (std::unique_ptr) and may refer to the application it
// came from, so all of them are destroyed before the ExcelSession. Destroying the ExcelSession closes any
// workbook still open without saving and ends the Excel instance, whether Quit was called or not, so every
// path of a scorer, errors included, ends it. Nothing is ever written to the workbook's file.
#include <memory>
#include <string>

#include "automation/automation_error.h"

// Index of one edge in Range.Borders.
inline constexpr int EXCEL_EDGE_LEFT = 7;
inline constexpr int EXCEL_EDGE_TOP = 8;
inline constexpr int EXCEL_EDGE_BOTTOM = 9;
inline constexpr int EXCEL_EDGE_RIGHT = 10;

// What a numeric read of a multi-cell range reports when its cells disagree. No Excel constant has it.
inline constexpr int EXCEL_MIXED = 9999999;

class ExcelFont {
 public:
  virtual ~ExcelFont() = default;
  virtual std::string Name() = 0;
  virtual double Color() = 0;
  virtual double Size() = 0;
  virtual int Bold() = 0;    // -1 / 0
  virtual int Italic() = 0;  // -1 / 0
  virtual int Underline() = 0;
};

class ExcelInterior {
 public:
  virtual ~ExcelInterior() = default;
  virtual int ColorIndex() = 0;
  virtual int Pattern() = 0;
};

// One edge of a range: for a multi-cell range, the line along that side of the whole range.
class ExcelBorder {
 public:
  virtual ~ExcelBorder() = default;
  virtual int LineStyle() = 0;
  virtual int Weight() = 0;
  virtual double Color() = 0;
};

class ExcelBorders {
 public:
  virtual ~ExcelBorders() = default;
  // edge is one of EXCEL_EDGE_*.
  virtual std::unique_ptr<ExcelBorder> Item(int edge) = 0;
};

// A rectangular range of cells; also the Rows and Columns views of one, and the sheet's Cells.
class ExcelRange {
 public:
  virtual ~ExcelRange() = default;
  virtual std::unique_ptr<ExcelRange> Rows() = 0;
  virtual std::unique_ptr<ExcelRange> Columns() = 0;
  // Cells of a range, rows of a Rows view, columns of a Columns view.
  virtual int Count() = 0;
  // One cell, counted from 1 at the range's top-left cell.
  virtual std::unique_ptr<ExcelRange> Item(int row, int column) = 0;
  virtual int MergeCells() = 0;  // -1 when the cell lies in a merged area (any of its cells), else 0
  virtual std::string Text() = 0;
  virtual int HorizontalAlignment() = 0;
  virtual int VerticalAlignment() = 0;
  virtual double Width() = 0;  // points
  virtual std::unique_ptr<ExcelFont> Font() = 0;
  virtual std::unique_ptr<ExcelInterior> Interior() = 0;
  virtual std::unique_ptr<ExcelBorders> Borders() = 0;
};

class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;
  virtual std::unique_ptr<ExcelRange> UsedRange() = 0;
  virtual std::unique_ptr<ExcelRange> Cells() = 0;
  // The range between two cell addresses such as "A5" and "F5".
  virtual std::unique_ptr<ExcelRange> Range(const std::string& first, const std::string& last) = 0;
};

class ExcelSeries {
 public:
  virtual ~ExcelSeries() = default;
  virtual std::string Name() = 0;
  virtual std::string Formula() = 0;
  virtual int HasDataLabels() = 0;  // 1 / 0
};

class ExcelChartTitle {
 public:
  virtual ~ExcelChartTitle() = default;
  virtual std::string Caption() = 0;
};

class ExcelChart {
 public:
  virtual ~ExcelChart() = default;
  virtual int Type() = 0;  // the legacy chart type (xlColumn 3, xlLine 4, xlPie 5, ...)
  // Series `index`, counted from 1.
  virtual std::unique_ptr<ExcelSeries> SeriesCollection(int index) = 0;
  virtual int HasLegend() = 0;     // 1 / 0
  virtual int HasDataTable() = 0;  // 1 / 0
  virtual int HasTitle() = 0;      // 1 / 0
  virtual std::unique_ptr<ExcelChartTitle> ChartTitle() = 0;
};

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  virtual std::unique_ptr<ExcelWorksheet> ActiveSheet() = 0;
  // nullptr when the workbook has no active chart.
  virtual std::unique_ptr<ExcelChart> ActiveChart() = 0;
  // Closes the workbook without saving it; `filename` is the path it was opened from.
  virtual void Close(const std::string& filename) = 0;
};

class ExcelWorkbooks {
 public:
  virtual ~ExcelWorkbooks() = default;
  // Opens the workbook at `path` (a Windows-form path) with Excel's default options.
  virtual std::unique_ptr<ExcelWorkbook> Open(const std::string& path) = 0;
  // Closes every open workbook without saving.
  virtual void Close() = 0;
};

// The Excel application object of one scorer call, returned by an ExcelStarter (scoring/scorer_entry.h).
class ExcelSession {
 public:
  virtual ~ExcelSession() = default;
  virtual std::unique_ptr<ExcelWorkbooks> Workbooks() = 0;
  // Ends Excel; later calls on its objects raise AutomationError.
  virtual void Quit() = 0;
};
