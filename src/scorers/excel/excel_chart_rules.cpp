// The chart rules: type, series names and formulas, data labels, legend, data table and title of the
// workbook's active chart. Only a failed check appends an item.
#include "app/texts.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_run.h"

namespace {

struct SeriesResult {
  bool namesHeld = true;
  bool formulasHeld = true;
  int labelsSeen = 0;
};

// Visits every expected series, also after a difference; a series the chart lacks raises AutomationError.
SeriesResult CompareSeries(ExcelRun& run, ExcelChart& chart, int seriesNum) {
  SeriesResult result;
  for (int i = 1; i <= seriesNum; ++i) {
    auto series = chart.SeriesCollection(i);
    std::string number = std::to_string(i);
    if (result.namesHeld && series->Name() != run.Text("chart", "series_" + number)) result.namesHeld = false;
    if (result.formulasHeld && series->Formula() != run.Text("chart", "series_formula_" + number)) {
      result.formulasHeld = false;
    }
    if (result.labelsSeen == 0) result.labelsSeen = series->HasDataLabels();
  }
  return result;
}

}  // namespace

void ScoreChart(ExcelRun& run) {
  const std::string label = AnsiText(EXCEL_CHART_LABEL);
  auto chart = run.workbook.ActiveChart();
  if (!chart) return run.AddItem(run.Message("chart"));
  if (chart->Type() != run.Int("chart", "type", -1099999)) return run.AddItem(label, "type");
  int seriesNum = run.Int("chart", "series_num");
  if (seriesNum <= 0) return;

  SeriesResult series = CompareSeries(run, *chart, seriesNum);
  if (!series.namesHeld) return run.AddItem(run.Message("chart"));
  // Matching series names earn one fixed point; the criteria have no key for it.
  run.AddPoints(1);
  run.Check(series.labelsSeen == run.Int("chart", "data_label", 1), "chart_data_label", label, "data_label", 1);
  run.Check(series.formulasHeld, "chart_content", label, "content", 1);
  if (int hasLegend = run.Int("chart", "has_legend"); hasLegend != 0) {
    run.Check(chart->HasLegend() == hasLegend, "chart_has_legend", label, "legend", 1);
  }
  if (int dataTable = run.Int("chart", "data_table", 1); dataTable != 0) {
    run.Check(chart->HasDataTable() == dataTable, "chart_data_table", label, "data_table", 1);
  }
  if (chart->HasTitle()) {
    run.Check(chart->ChartTitle()->Caption() == run.Text("chart", "title"), "chart_title", label, "title", 1);
  }
}
