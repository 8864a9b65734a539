#include "automation/model/excel_model_session.h"

#include <algorithm>

#include "automation/excel_area.h"
#include "scorers/excel/excel_session.h"

namespace {

// One running instance: what it has open and whether it has quit.
struct Instance {
  std::shared_ptr<ExcelModelOffice> office;
  std::vector<std::string> open;
  bool ended = false;

  void Log(const std::string& entry) { office->log.push_back(entry); }
  void CloseWorkbook(std::string path) {
    auto found = std::find(open.begin(), open.end(), path);
    if (found == open.end()) return;
    open.erase(found);
    Log("close " + path);
  }
  void End() {
    ended = true;
    --office->running;
    Log("quit");
  }
};

// Base of every object of an instance: a call after Quit fails, as on a dead Excel.
class ModelObject {
 public:
  explicit ModelObject(std::shared_ptr<Instance> instance) : instance_(std::move(instance)) {}

 protected:
  Instance& Live() const {
    if (instance_->ended) throw AutomationError("Excel has quit");
    return *instance_;
  }
  const std::shared_ptr<Instance>& Shared() const { return instance_; }

 private:
  std::shared_ptr<Instance> instance_;
};

class ModelFont : public ExcelFont, ModelObject {
 public:
  ModelFont(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet, ExcelArea area)
      : ModelObject(std::move(instance)), sheet_(sheet), area_(area) {}
  std::string Name() override { return Read(&ExcelFontModel::name, std::string()); }
  double Color() override { return Read(&ExcelFontModel::color, double{EXCEL_MIXED}); }
  double Size() override { return Read(&ExcelFontModel::size, double{EXCEL_MIXED}); }
  int Bold() override { return Read(&ExcelFontModel::bold, EXCEL_MIXED); }
  int Italic() override { return Read(&ExcelFontModel::italic, EXCEL_MIXED); }
  int Underline() override { return Read(&ExcelFontModel::underline, EXCEL_MIXED); }

 private:
  template <class Value>
  Value Read(Value ExcelFontModel::*field, Value mixed) const {
    Live();
    return Uniform(area_, [&](int r, int c) { return sheet_.CellAt(r, c).font.*field; }, mixed);
  }
  const ExcelSheetModel& sheet_;
  ExcelArea area_;
};

class ModelInterior : public ExcelInterior, ModelObject {
 public:
  ModelInterior(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet, ExcelArea area)
      : ModelObject(std::move(instance)), sheet_(sheet), area_(area) {}
  int ColorIndex() override { return Read(&ExcelCellModel::colorIndex); }
  int Pattern() override { return Read(&ExcelCellModel::pattern); }

 private:
  int Read(int ExcelCellModel::*field) const {
    Live();
    return Uniform(area_, [&](int r, int c) { return sheet_.CellAt(r, c).*field; }, EXCEL_MIXED);
  }
  const ExcelSheetModel& sheet_;
  ExcelArea area_;
};

class ModelBorder : public ExcelBorder, ModelObject {
 public:
  ModelBorder(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet, ExcelArea area, int edge)
      : ModelObject(std::move(instance)), sheet_(sheet), cells_(EdgeCells(area, edge)), edge_(edge) {}
  int LineStyle() override { return Read(&ExcelLineModel::lineStyle, EXCEL_MIXED); }
  int Weight() override { return Read(&ExcelLineModel::weight, EXCEL_MIXED); }
  double Color() override { return Read(&ExcelLineModel::color, double{EXCEL_MIXED}); }

 private:
  template <class Value>
  Value Read(Value ExcelLineModel::*field, Value mixed) const {
    Live();
    return Uniform(cells_, [&](int r, int c) { return sheet_.LineAt(r, c, edge_).*field; }, mixed);
  }
  const ExcelSheetModel& sheet_;
  ExcelArea cells_;
  int edge_;
};

class ModelBorders : public ExcelBorders, ModelObject {
 public:
  ModelBorders(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet, ExcelArea area)
      : ModelObject(std::move(instance)), sheet_(sheet), area_(area) {}
  std::unique_ptr<ExcelBorder> Item(int edge) override {
    Live();
    if (edge < EXCEL_EDGE_LEFT || edge > EXCEL_EDGE_RIGHT) {
      throw AutomationError("no border " + std::to_string(edge));
    }
    return std::make_unique<ModelBorder>(Shared(), sheet_, area_, edge);
  }

 private:
  const ExcelSheetModel& sheet_;
  ExcelArea area_;
};

enum class View { kCells, kRows, kColumns };

class ModelRange : public ExcelRange, ModelObject {
 public:
  ModelRange(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet, ExcelArea area,
             View view = View::kCells)
      : ModelObject(std::move(instance)), sheet_(sheet), area_(area), view_(view) {}

  std::unique_ptr<ExcelRange> Rows() override { return WithView(View::kRows); }
  std::unique_ptr<ExcelRange> Columns() override { return WithView(View::kColumns); }
  int Count() override {
    Live();
    int rows = area_.bottom - area_.top + 1;
    int columns = area_.right - area_.left + 1;
    return view_ == View::kRows ? rows : view_ == View::kColumns ? columns : rows * columns;
  }
  std::unique_ptr<ExcelRange> Item(int row, int column) override {
    Live();
    long long r = static_cast<long long>(area_.top) + row - 1;
    long long c = static_cast<long long>(area_.left) + column - 1;
    if (r < 1 || r > EXCEL_MODEL_ROWS || c < 1 || c > EXCEL_MODEL_COLUMNS) {
      throw AutomationError("no cell at row " + std::to_string(row) + ", column " + std::to_string(column));
    }
    int cellRow = static_cast<int>(r), cellColumn = static_cast<int>(c);
    return std::make_unique<ModelRange>(Shared(), sheet_, ExcelArea{cellRow, cellColumn, cellRow, cellColumn});
  }
  int MergeCells() override {
    Live();
    return Uniform(area_, [&](int r, int c) { return sheet_.IsMerged(r, c) ? -1 : 0; }, EXCEL_MIXED);
  }
  std::string Text() override { return Read(&ExcelCellModel::text, std::string()); }
  int HorizontalAlignment() override { return Read(&ExcelCellModel::horizontalAlignment, EXCEL_MIXED); }
  int VerticalAlignment() override { return Read(&ExcelCellModel::verticalAlignment, EXCEL_MIXED); }
  double Width() override {
    Live();
    double width = 0;
    for (int column = area_.left; column <= area_.right; ++column) width += sheet_.ColumnWidth(column);
    return width;
  }
  std::unique_ptr<ExcelFont> Font() override {
    Live();
    return std::make_unique<ModelFont>(Shared(), sheet_, area_);
  }
  std::unique_ptr<ExcelInterior> Interior() override {
    Live();
    return std::make_unique<ModelInterior>(Shared(), sheet_, area_);
  }
  std::unique_ptr<ExcelBorders> Borders() override {
    Live();
    return std::make_unique<ModelBorders>(Shared(), sheet_, area_);
  }

 private:
  std::unique_ptr<ExcelRange> WithView(View view) {
    Live();
    return std::make_unique<ModelRange>(Shared(), sheet_, area_, view);
  }
  template <class Value>
  Value Read(Value ExcelCellModel::*field, Value mixed) const {
    Live();
    return Uniform(area_, [&](int r, int c) { return sheet_.CellAt(r, c).*field; }, mixed);
  }

  const ExcelSheetModel& sheet_;
  ExcelArea area_;
  View view_;
};

class ModelWorksheet : public ExcelWorksheet, ModelObject {
 public:
  ModelWorksheet(std::shared_ptr<Instance> instance, const ExcelSheetModel& sheet)
      : ModelObject(std::move(instance)), sheet_(sheet) {}
  std::unique_ptr<ExcelRange> UsedRange() override { return RangeOver(sheet_.UsedArea()); }
  std::unique_ptr<ExcelRange> Cells() override {
    return RangeOver({1, 1, EXCEL_MODEL_ROWS, EXCEL_MODEL_COLUMNS});
  }
  std::unique_ptr<ExcelRange> Range(const std::string& first, const std::string& last) override {
    auto from = ParseExcelAddress(first);
    auto to = ParseExcelAddress(last);
    if (!from || !to) throw AutomationError("no range " + first + ":" + last);
    return RangeOver({std::min(from->first, to->first), std::min(from->second, to->second),
                      std::max(from->first, to->first), std::max(from->second, to->second)});
  }

 private:
  std::unique_ptr<ExcelRange> RangeOver(ExcelArea area) {
    Live();
    return std::make_unique<ModelRange>(Shared(), sheet_, area);
  }
  const ExcelSheetModel& sheet_;
};

class ModelSeries : public ExcelSeries, ModelObject {
 public:
  ModelSeries(std::shared_ptr<Instance> instance, const ExcelSeriesModel& series)
      : ModelObject(std::move(instance)), series_(series) {}
  std::string Name() override { return Live(), series_.name; }
  std::string Formula() override { return Live(), series_.formula; }
  int HasDataLabels() override { return Live(), series_.hasDataLabels; }

 private:
  const ExcelSeriesModel& series_;
};

class ModelChartTitle : public ExcelChartTitle, ModelObject {
 public:
  ModelChartTitle(std::shared_ptr<Instance> instance, const std::string& caption)
      : ModelObject(std::move(instance)), caption_(caption) {}
  std::string Caption() override { return Live(), caption_; }

 private:
  const std::string& caption_;
};

class ModelChart : public ExcelChart, ModelObject {
 public:
  ModelChart(std::shared_ptr<Instance> instance, const ExcelChartModel& chart)
      : ModelObject(std::move(instance)), chart_(chart) {}
  int Type() override { return Live(), chart_.type; }
  std::unique_ptr<ExcelSeries> SeriesCollection(int index) override {
    Live();
    if (index < 1 || index > static_cast<int>(chart_.series.size())) {
      throw AutomationError("no series " + std::to_string(index));
    }
    return std::make_unique<ModelSeries>(Shared(), chart_.series[index - 1]);
  }
  int HasLegend() override { return Live(), chart_.hasLegend; }
  int HasDataTable() override { return Live(), chart_.hasDataTable; }
  int HasTitle() override { return Live(), chart_.hasTitle; }
  std::unique_ptr<ExcelChartTitle> ChartTitle() override {
    Live();
    if (!chart_.hasTitle) throw AutomationError("the chart has no title");
    return std::make_unique<ModelChartTitle>(Shared(), chart_.title);
  }

 private:
  const ExcelChartModel& chart_;
};

class ModelWorkbook : public ExcelWorkbook, ModelObject {
 public:
  ModelWorkbook(std::shared_ptr<Instance> instance, const std::string& path, const ExcelWorkbookModel& book)
      : ModelObject(std::move(instance)), path_(path), book_(book) {}
  std::unique_ptr<ExcelWorksheet> ActiveSheet() override {
    Live();
    return std::make_unique<ModelWorksheet>(Shared(), book_.sheet);
  }
  std::unique_ptr<ExcelChart> ActiveChart() override {
    Live();
    if (!book_.activeChart) return nullptr;
    return std::make_unique<ModelChart>(Shared(), *book_.activeChart);
  }
  void Close(const std::string&) override { Live().CloseWorkbook(path_); }

 private:
  std::string path_;
  const ExcelWorkbookModel& book_;
};

class ModelWorkbooks : public ExcelWorkbooks, ModelObject {
 public:
  using ModelObject::ModelObject;
  std::unique_ptr<ExcelWorkbook> Open(const std::string& path) override {
    Instance& instance = Live();
    auto found = instance.office->workbooks.find(path);
    if (found == instance.office->workbooks.end()) throw AutomationError("cannot open " + path);
    instance.open.push_back(path);
    instance.Log("open " + path);
    return std::make_unique<ModelWorkbook>(Shared(), path, found->second);
  }
  void Close() override {
    Instance& instance = Live();
    while (!instance.open.empty()) instance.CloseWorkbook(instance.open.front());
    instance.Log("close all");
  }
};

class ModelExcel : public ExcelSession, ModelObject {
 public:
  using ModelObject::ModelObject;
  ~ModelExcel() override {
    Instance& instance = *Shared();
    if (instance.ended) return;
    while (!instance.open.empty()) instance.CloseWorkbook(instance.open.front());
    instance.End();
  }
  std::unique_ptr<ExcelWorkbooks> Workbooks() override {
    Live();
    return std::make_unique<ModelWorkbooks>(Shared());
  }
  void Quit() override { Live().End(); }
};

}  // namespace

ExcelStarter ModelExcelStarter(std::shared_ptr<ExcelModelOffice> office) {
  return [office]() -> std::unique_ptr<ExcelSession> {
    auto instance = std::make_shared<Instance>();
    instance->office = office;
    ++office->running;
    instance->Log("start");
    return std::make_unique<ModelExcel>(instance);
  };
}
