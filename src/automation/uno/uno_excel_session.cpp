#include "automation/uno/uno_excel_session.h"

#include <algorithm>
#include <com/sun/star/chart/XChartDocument.hpp>
#include <com/sun/star/chart2/XChartDocument.hpp>
#include <com/sun/star/chart2/ScaleData.hpp>
#include <com/sun/star/chart2/XAxis.hpp>
#include <com/sun/star/chart2/XChartType.hpp>
#include <com/sun/star/chart2/XChartTypeContainer.hpp>
#include <com/sun/star/chart2/XCoordinateSystem.hpp>
#include <com/sun/star/chart2/XDataSeries.hpp>
#include <com/sun/star/chart2/XCoordinateSystemContainer.hpp>
#include <com/sun/star/chart2/XDataSeriesContainer.hpp>
#include <com/sun/star/chart2/DataPointLabel.hpp>
#include <com/sun/star/chart2/data/XDataSource.hpp>
#include <com/sun/star/chart2/data/XLabeledDataSequence.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/document/XEmbeddedObjectSupplier.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSheetCellRange.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableChartsSupplier.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <vector>

#include "automation/excel_area.h"
#include "automation/office_values.h"
#include "automation/uno/uno_properties.h"
#include "automation/uno/uno_text.h"

using office::uno::Reference;
using office::uno::Sequence;
using office::uno::UNO_QUERY;
using office::uno::UNO_QUERY_THROW;
namespace chart2 = office::chart2;

namespace {

using App = std::shared_ptr<UnoApplication>;
using Sheet = Reference<office::sheet::XSpreadsheet>;

// A .xls file opens in Excel with the limits of its format.
constexpr int kSheetRows = 65536;
constexpr int kSheetColumns = 256;

// The import filters of workbooks Excel opens.
const std::vector<std::string_view> kWorkbookFilters{"MS Excel", "Calc MS Excel 2007", "Calc Office Open XML",
                                                     "calc8"};

// A block of cells, counted from 0 as the office counts them.
struct Area {
  int top, left, bottom, right;
  int Rows() const { return bottom - top + 1; }
  int Columns() const { return right - left + 1; }
};

Area AreaOf(const Reference<office::sheet::XCellRangeAddressable>& range) {
  office::table::CellRangeAddress address = range->getRangeAddress();
  return {address.StartRow, address.StartColumn, address.EndRow, address.EndColumn};
}

Reference<office::beans::XPropertySet> CellProperties(const Sheet& sheet, int row, int column) {
  return Reference<office::beans::XPropertySet>(sheet->getCellByPosition(column, row), UNO_QUERY_THROW);
}

struct Line {
  int lineStyle;
  int weight;
  double color;
};

office::table::BorderLine2 OfficeLine(const Sheet& sheet, int row, int column, const char* name) {
  return Property<office::table::BorderLine2>(CellProperties(sheet, row, column), name);
}

bool HasLine(const office::table::BorderLine2& line) {
  return line.LineStyle != office::table::BorderLineStyle::NONE && line.LineWidth > 0;
}

// Excel shows one line between two cells: a cell's top edge is its own top line, or else the bottom line
// of the cell above it (and likewise for the other edges).
Line EdgeLine(const Sheet& sheet, int row, int column, int edge) {
  static const struct {
    int edge;
    const char* own;
    const char* neighbours;
    int dRow, dColumn;
  } kEdges[] = {{EXCEL_EDGE_TOP, "TopBorder2", "BottomBorder2", -1, 0},
                {EXCEL_EDGE_BOTTOM, "BottomBorder2", "TopBorder2", 1, 0},
                {EXCEL_EDGE_LEFT, "LeftBorder2", "RightBorder2", 0, -1},
                {EXCEL_EDGE_RIGHT, "RightBorder2", "LeftBorder2", 0, 1}};
  for (const auto& e : kEdges) {
    if (e.edge != edge) continue;
    office::table::BorderLine2 line = OfficeLine(sheet, row, column, e.own);
    int r = row + e.dRow, c = column + e.dColumn;
    if (!HasLine(line) && r >= 0 && c >= 0) line = OfficeLine(sheet, r, c, e.neighbours);
    int style = HasLine(line) ? line.LineStyle : office::table::BorderLineStyle::NONE;
    return {ExcelLineStyle(style, line.LineWidth), ExcelWeight(style, line.LineWidth),
            HasLine(line) ? static_cast<double>(BgrColor(line.Color)) : 0.0};
  }
  throw AutomationError("no border " + std::to_string(edge));
}

class UnoBorder : public ExcelBorder {
 public:
  UnoBorder(App app, Sheet sheet, Area area, int edge) : app_(std::move(app)), sheet_(std::move(sheet)), area_(area), edge_(edge) {}
  int LineStyle() override { return Read().lineStyle; }
  int Weight() override { return Read().weight; }
  double Color() override { return Read().color; }

 private:
  // Each field on its own: a field all cells of the edge share is not mixed.
  Line Read() {
    return app_->Guarded([&] {
      Area cells = EdgeCells(area_, edge_);
      Line common = EdgeLine(sheet_, cells.top, cells.left, edge_);
      for (int r = cells.top; r <= cells.bottom; ++r)
        for (int c = cells.left; c <= cells.right; ++c) {
          Line line = EdgeLine(sheet_, r, c, edge_);
          if (line.lineStyle != common.lineStyle) common.lineStyle = EXCEL_MIXED;
          if (line.weight != common.weight) common.weight = EXCEL_MIXED;
          if (line.color != common.color) common.color = EXCEL_MIXED;
        }
      return common;
    });
  }
  App app_;
  Sheet sheet_;
  Area area_;
  int edge_;
};

class UnoBorders : public ExcelBorders {
 public:
  UnoBorders(App app, Sheet sheet, Area area) : app_(std::move(app)), sheet_(std::move(sheet)), area_(area) {}
  std::unique_ptr<ExcelBorder> Item(int edge) override {
    if (edge < EXCEL_EDGE_LEFT || edge > EXCEL_EDGE_RIGHT) throw AutomationError("no border " + std::to_string(edge));
    return std::make_unique<UnoBorder>(app_, sheet_, area_, edge);
  }

 private:
  App app_;
  Sheet sheet_;
  Area area_;
};

// A property of every cell of an area, converted; `mixed` when the cells differ.
template <typename Convert>
auto UniformCells(const App& app, const Sheet& sheet, const Area& area, Convert convert,
                  decltype(convert(Reference<office::beans::XPropertySet>())) mixed) {
  return app->Guarded([&] {
    return Uniform(area, [&](int r, int c) { return convert(CellProperties(sheet, r, c)); }, mixed);
  });
}

std::string FirstFontName(const rtl::OUString& names) {
  std::string ansi = OUStringToAnsi(names);
  return ansi.substr(0, ansi.find(';'));
}

class UnoFont : public ExcelFont {
 public:
  UnoFont(App app, Sheet sheet, Area area) : app_(std::move(app)), sheet_(std::move(sheet)), area_(area) {}
  std::string Name() override {
    return Read([](const auto& cell) { return FirstFontName(Property<rtl::OUString>(cell, "CharFontName")); },
                std::string());
  }
  // Automatic text colour reads as black.
  double Color() override {
    return Read([](const auto& cell) {
      int32_t color = Property<int32_t>(cell, "CharColor");
      return color < 0 ? 0.0 : static_cast<double>(BgrColor(color));
    }, double{EXCEL_MIXED});
  }
  double Size() override {
    return Read([](const auto& cell) { return static_cast<double>(Property<float>(cell, "CharHeight")); },
                double{EXCEL_MIXED});
  }
  int Bold() override {
    return Read([](const auto& cell) { return Property<float>(cell, "CharWeight") > 100.0f ? -1 : 0; }, EXCEL_MIXED);
  }
  int Italic() override {
    return Read([](const auto& cell) { return IntProperty(cell, "CharPosture") != 0 ? -1 : 0; }, EXCEL_MIXED);
  }
  int Underline() override {
    return Read([](const auto& cell) { return ExcelUnderline(IntProperty(cell, "CharUnderline")); },
                EXCEL_MIXED);
  }

 private:
  template <typename Convert, typename Value>
  Value Read(Convert convert, Value mixed) {
    return UniformCells(app_, sheet_, area_, convert, mixed);
  }
  App app_;
  Sheet sheet_;
  Area area_;
};

int32_t BackColor(const Reference<office::beans::XPropertySet>& cell) {
  if (Property<bool>(cell, "IsCellBackgroundTransparent")) return -1;
  return Property<int32_t>(cell, "CellBackColor");
}

class UnoInterior : public ExcelInterior {
 public:
  UnoInterior(App app, Sheet sheet, Area area) : app_(std::move(app)), sheet_(std::move(sheet)), area_(area) {}
  int ColorIndex() override {
    return UniformCells(app_, sheet_, area_, [](const auto& cell) { return ExcelColorIndex(BackColor(cell)); },
                        EXCEL_MIXED);
  }
  int Pattern() override {
    return UniformCells(app_, sheet_, area_, [](const auto& cell) { return ExcelPattern(BackColor(cell)); },
                        EXCEL_MIXED);
  }

 private:
  App app_;
  Sheet sheet_;
  Area area_;
};

enum class View { kCells, kRows, kColumns };

bool IsMerged(const Sheet& sheet, int row, int column) {
  Reference<office::sheet::XSheetCellRange> cell(sheet->getCellRangeByPosition(column, row, column, row),
                                                 UNO_QUERY_THROW);
  Reference<office::sheet::XSheetCellCursor> cursor = sheet->createCursorByRange(cell);
  cursor->collapseToMergedArea();
  Area area = AreaOf(Reference<office::sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW));
  return area.Rows() > 1 || area.Columns() > 1;
}

class UnoRange : public ExcelRange {
 public:
  UnoRange(App app, Sheet sheet, Area area, View view = View::kCells)
      : app_(std::move(app)), sheet_(std::move(sheet)), area_(area), view_(view) {}

  std::unique_ptr<ExcelRange> Rows() override { return std::make_unique<UnoRange>(app_, sheet_, area_, View::kRows); }
  std::unique_ptr<ExcelRange> Columns() override {
    return std::make_unique<UnoRange>(app_, sheet_, area_, View::kColumns);
  }
  int Count() override {
    if (view_ == View::kRows) return area_.Rows();
    if (view_ == View::kColumns) return area_.Columns();
    return area_.Rows() * area_.Columns();
  }
  std::unique_ptr<ExcelRange> Item(int row, int column) override {
    long long r = static_cast<long long>(area_.top) + row - 1;
    long long c = static_cast<long long>(area_.left) + column - 1;
    if (row < 1 || column < 1 || r >= kSheetRows || c >= kSheetColumns)
      throw AutomationError("no cell at row " + std::to_string(row) + ", column " + std::to_string(column));
    int cellRow = static_cast<int>(r), cellColumn = static_cast<int>(c);
    return std::make_unique<UnoRange>(app_, sheet_, Area{cellRow, cellColumn, cellRow, cellColumn});
  }
  int MergeCells() override {
    return app_->Guarded([&] {
      return Uniform(area_, [&](int r, int c) { return IsMerged(sheet_, r, c) ? -1 : 0; }, EXCEL_MIXED);
    });
  }
  std::string Text() override {
    return app_->Guarded([&] {
      return Uniform(area_, [&](int r, int c) {
        Reference<office::text::XText> text(sheet_->getCellByPosition(c, r), UNO_QUERY_THROW);
        return OUStringToAnsi(text->getString());
      }, std::string());
    });
  }
  int HorizontalAlignment() override {
    return UniformCells(app_, sheet_, area_, [](const auto& cell) {
      return ExcelHorizontalAlignment(IntProperty(cell, "HoriJustify"),
                                      IntProperty(cell, "HoriJustifyMethod") == 1);
    }, EXCEL_MIXED);
  }
  int VerticalAlignment() override {
    return UniformCells(app_, sheet_, area_, [](const auto& cell) {
      return ExcelVerticalAlignment(IntProperty(cell, "VertJustify"),
                                    IntProperty(cell, "VertJustifyMethod") == 1);
    }, EXCEL_MIXED);
  }
  double Width() override {
    return app_->Guarded([&] {
      Reference<office::table::XColumnRowRange> ranges(sheet_, UNO_QUERY_THROW);
      Reference<office::container::XIndexAccess> columns(ranges->getColumns(), UNO_QUERY_THROW);
      double width = 0;
      for (int column = area_.left; column <= area_.right; ++column) {
        Reference<office::beans::XPropertySet> properties(columns->getByIndex(column), UNO_QUERY_THROW);
        if (Property<bool>(properties, "IsVisible")) width += ExcelColumnWidth(Property<int32_t>(properties, "Width"));
      }
      return width;
    });
  }
  std::unique_ptr<ExcelFont> Font() override { return std::make_unique<UnoFont>(app_, sheet_, area_); }
  std::unique_ptr<ExcelInterior> Interior() override { return std::make_unique<UnoInterior>(app_, sheet_, area_); }
  std::unique_ptr<ExcelBorders> Borders() override { return std::make_unique<UnoBorders>(app_, sheet_, area_); }

 private:
  App app_;
  Sheet sheet_;
  Area area_;
  View view_;
};

class UnoWorksheet : public ExcelWorksheet {
 public:
  UnoWorksheet(App app, Sheet sheet) : app_(std::move(app)), sheet_(std::move(sheet)) {}
  std::unique_ptr<ExcelRange> UsedRange() override {
    Area area = app_->Guarded([&] {
      Reference<office::sheet::XSheetCellCursor> cursor = sheet_->createCursor();
      Reference<office::sheet::XUsedAreaCursor> used(cursor, UNO_QUERY_THROW);
      used->gotoStartOfUsedArea(false);
      used->gotoEndOfUsedArea(true);
      return AreaOf(Reference<office::sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW));
    });
    return std::make_unique<UnoRange>(app_, sheet_, area);
  }
  std::unique_ptr<ExcelRange> Cells() override {
    return std::make_unique<UnoRange>(app_, sheet_, Area{0, 0, kSheetRows - 1, kSheetColumns - 1});
  }
  std::unique_ptr<ExcelRange> Range(const std::string& first, const std::string& last) override {
    Area area = app_->Guarded([&] {
      Reference<office::sheet::XCellRangeAddressable> range(
          sheet_->getCellRangeByName(Utf8ToOUString(first + ":" + last)), UNO_QUERY_THROW);
      return AreaOf(range);
    });
    if (area.bottom >= kSheetRows || area.right >= kSheetColumns)
      throw AutomationError("no range " + first + ":" + last);
    return std::make_unique<UnoRange>(app_, sheet_, area);
  }

 private:
  App app_;
  Sheet sheet_;
};

// The label and value sequences of one chart series, and the chart's categories.
std::string RangeOf(const Reference<office::chart2::data::XDataSequence>& sequence) {
  return sequence.is() ? OUStringToUtf8(sequence->getSourceRangeRepresentation()) : std::string();
}

class UnoSeries : public ExcelSeries {
 public:
  UnoSeries(App app, Reference<chart2::XDataSeries> series, std::string categories, int order)
      : app_(std::move(app)), series_(std::move(series)), categories_(std::move(categories)), order_(order) {}
  std::string Name() override {
    return app_->Guarded([&] {
      Reference<chart2::data::XLabeledDataSequence> values = Values();
      if (!values.is() || !values->getLabel().is()) return std::string();
      Sequence<office::uno::Any> label = values->getLabel()->getData();
      rtl::OUString text;
      if (label.getLength() > 0) label[0] >>= text;
      return OUStringToAnsi(text);
    });
  }
  std::string Formula() override {
    return app_->Guarded([&] {
      Reference<chart2::data::XLabeledDataSequence> values = Values();
      std::string name = values.is() ? RangeOf(values->getLabel()) : std::string();
      std::string data = values.is() ? RangeOf(values->getValues()) : std::string();
      std::string categories = categories_;
      if (Reference<chart2::data::XLabeledDataSequence> x = WithRole("values-x"); x.is()) categories = RangeOf(x->getValues());
      return Utf8ToAnsiText(ExcelSeriesFormula(name, categories, data, order_));
    });
  }
  int HasDataLabels() override {
    return app_->Guarded([&] {
      chart2::DataPointLabel label = Property<chart2::DataPointLabel>(series_, "Label");
      return label.ShowNumber || label.ShowNumberInPercent || label.ShowCategoryName ? 1 : 0;
    });
  }

 private:
  static std::string Utf8ToAnsiText(const std::string& utf8) { return OUStringToAnsi(Utf8ToOUString(utf8)); }
  Reference<chart2::data::XLabeledDataSequence> WithRole(const char* role) {
    Reference<chart2::data::XDataSource> source(series_, UNO_QUERY_THROW);
    const office::uno::Sequence<Reference<chart2::data::XLabeledDataSequence>> sequences = source->getDataSequences();
    for (const auto& sequence : sequences) {
      if (!sequence.is() || !sequence->getValues().is()) continue;
      if (Property<rtl::OUString>(sequence->getValues(), "Role").equalsAscii(role)) return sequence;
    }
    return {};
  }
  Reference<chart2::data::XLabeledDataSequence> Values() { return WithRole("values-y"); }

  App app_;
  Reference<chart2::XDataSeries> series_;
  std::string categories_;
  int order_;
};

class UnoChartTitle : public ExcelChartTitle {
 public:
  UnoChartTitle(App app, Reference<office::chart::XChartDocument> chart) : app_(std::move(app)), chart_(std::move(chart)) {}
  std::string Caption() override {
    return app_->Guarded([&] { return OUStringToAnsi(Property<rtl::OUString>(chart_->getTitle(), "String")); });
  }

 private:
  App app_;
  Reference<office::chart::XChartDocument> chart_;
};

class UnoChart : public ExcelChart {
 public:
  UnoChart(App app, Reference<chart2::XChartDocument> chart) : app_(std::move(app)), chart_(std::move(chart)) {}
  int Type() override {
    return app_->Guarded([&] {
      ChartShape shape;
      int chartTypes = 0;
      rtl::OUString name;
      for (const auto& system : CoordinateSystems()) {
        shape.threeD = shape.threeD || system->getDimension() == 3;
        shape.horizontal = shape.horizontal || Property<bool>(system, "SwapXAndYAxis");
        Reference<chart2::XChartTypeContainer> types(system, UNO_QUERY_THROW);
        const office::uno::Sequence<Reference<chart2::XChartType>> all = types->getChartTypes();
        for (const auto& type : all) {
          if (chartTypes++ == 0) {
            name = type->getChartType();
            if (name.endsWithAsciiL("PieChartType", 12)) shape.ring = Property<bool>(type, "UseRings");
          }
        }
      }
      std::string typeName = OUStringToUtf8(name);
      shape.chartType = typeName;
      shape.mixed = chartTypes > 1;
      return ExcelChartType(shape);
    });
  }
  std::unique_ptr<ExcelSeries> SeriesCollection(int index) override {
    return app_->Guarded([&] {
      std::vector<Reference<chart2::XDataSeries>> series;
      for (const auto& system : CoordinateSystems()) {
        Reference<chart2::XChartTypeContainer> types(system, UNO_QUERY_THROW);
        const office::uno::Sequence<Reference<chart2::XChartType>> all = types->getChartTypes();
        for (const auto& type : all) {
          Reference<chart2::XDataSeriesContainer> container(type, UNO_QUERY_THROW);
          const office::uno::Sequence<Reference<chart2::XDataSeries>> inType = container->getDataSeries();
          series.insert(series.end(), inType.begin(), inType.end());
        }
      }
      if (index < 1 || index > static_cast<int>(series.size()))
        throw AutomationError("the chart has no series " + std::to_string(index));
      return std::make_unique<UnoSeries>(app_, series[index - 1], Categories(), index);
    });
  }
  int HasLegend() override { return Flag("HasLegend"); }
  // The office keeps no data table for a chart it reads from an .xls file.
  int HasDataTable() override { return 0; }
  int HasTitle() override { return Flag("HasMainTitle"); }
  std::unique_ptr<ExcelChartTitle> ChartTitle() override {
    if (!HasTitle()) throw AutomationError("the chart has no title");
    return std::make_unique<UnoChartTitle>(app_, OldChart());
  }

 private:
  Reference<office::chart::XChartDocument> OldChart() {
    return Reference<office::chart::XChartDocument>(chart_, UNO_QUERY_THROW);
  }
  int Flag(const char* name) {
    return app_->Guarded([&] { return Property<bool>(OldChart(), name) ? 1 : 0; });
  }
  std::vector<Reference<chart2::XCoordinateSystem>> CoordinateSystems() {
    Reference<chart2::XCoordinateSystemContainer> container(chart_->getFirstDiagram(), UNO_QUERY_THROW);
    const office::uno::Sequence<Reference<chart2::XCoordinateSystem>> systems = container->getCoordinateSystems();
    return {systems.begin(), systems.end()};
  }
  std::string Categories() {
    for (const auto& system : CoordinateSystems()) {
      Reference<chart2::XAxis> axis = system->getAxisByDimension(0, 0);
      if (!axis.is()) continue;
      chart2::ScaleData scale = axis->getScaleData();
      if (scale.Categories.is()) return RangeOf(scale.Categories->getValues());
    }
    return std::string();
  }

  App app_;
  Reference<chart2::XChartDocument> chart_;
};

class UnoWorkbook : public ExcelWorkbook {
 public:
  UnoWorkbook(App app, Reference<office::sheet::XSpreadsheetDocument> document)
      : app_(std::move(app)), document_(std::move(document)) {}
  std::unique_ptr<ExcelWorksheet> ActiveSheet() override {
    return std::make_unique<UnoWorksheet>(app_, app_->Guarded([&] { return Active(); }));
  }
  // The office keeps no chart selection: the active chart is the first chart embedded in the active
  // sheet, as it is when the candidate saved the workbook right after making the chart.
  std::unique_ptr<ExcelChart> ActiveChart() override {
    Reference<chart2::XChartDocument> chart = app_->Guarded([&] {
      Reference<office::table::XTableChartsSupplier> supplier(Active(), UNO_QUERY_THROW);
      Reference<office::container::XIndexAccess> charts(supplier->getCharts(), UNO_QUERY_THROW);
      if (charts->getCount() == 0) return Reference<chart2::XChartDocument>();
      Reference<office::document::XEmbeddedObjectSupplier> object(charts->getByIndex(0), UNO_QUERY_THROW);
      return Reference<chart2::XChartDocument>(object->getEmbeddedObject(), UNO_QUERY);
    });
    if (!chart.is()) return nullptr;
    return std::make_unique<UnoChart>(app_, chart);
  }
  void Close(const std::string&) override {
    if (!app_->office) throw AutomationError("the office has quit");
    app_->office->Close(Reference<office::lang::XComponent>(document_, UNO_QUERY));
  }

 private:
  Sheet Active() {
    Reference<office::frame::XModel> model(document_, UNO_QUERY_THROW);
    Reference<office::sheet::XSpreadsheetView> view(model->getCurrentController(), UNO_QUERY);
    if (view.is()) return view->getActiveSheet();
    Reference<office::container::XIndexAccess> sheets(document_->getSheets(), UNO_QUERY_THROW);
    return Sheet(sheets->getByIndex(0), UNO_QUERY_THROW);
  }
  App app_;
  Reference<office::sheet::XSpreadsheetDocument> document_;
};

class UnoWorkbooks : public ExcelWorkbooks {
 public:
  explicit UnoWorkbooks(App app) : app_(std::move(app)) {}
  std::unique_ptr<ExcelWorkbook> Open(const std::string& path) override {
    if (!app_->office) throw AutomationError("the office has quit");
    Reference<office::lang::XComponent> document = app_->office->Load(path, kWorkbookFilters);
    Reference<office::sheet::XSpreadsheetDocument> workbook(document, UNO_QUERY);
    if (!workbook.is()) throw AutomationError("not a workbook: " + path);
    return std::make_unique<UnoWorkbook>(app_, workbook);
  }
  void Close() override {
    if (!app_->office) throw AutomationError("the office has quit");
    app_->office->CloseDocuments();
  }

 private:
  App app_;
};

class UnoExcelSession : public ExcelSession {
 public:
  explicit UnoExcelSession(std::unique_ptr<OfficeInstance> office) : app_(std::make_shared<UnoApplication>()) {
    app_->office = std::move(office);
  }
  ~UnoExcelSession() override { app_->office.reset(); }
  std::unique_ptr<ExcelWorkbooks> Workbooks() override {
    if (!app_->office) throw AutomationError("the office has quit");
    return std::make_unique<UnoWorkbooks>(app_);
  }
  void Quit() override { app_->office.reset(); }

 private:
  App app_;
};

}  // namespace

std::unique_ptr<ExcelSession> StartUnoExcel(const OfficeOptions& options) {
  std::unique_ptr<OfficeInstance> office = OfficeInstance::Start(options);
  if (!office) return nullptr;
  return std::make_unique<UnoExcelSession>(std::move(office));
}
