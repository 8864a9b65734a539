#include <gtest/gtest.h>

#include <functional>

#include "automation/automation_error.h"
#include "excel_question.h"

namespace {

// A column chart with three series, data labels on the second, a legend, a data table and a title.
ExcelChartModel RightChart() {
  ExcelChartModel chart;
  chart.type = 3;
  chart.series = {{"Q1", "=SERIES(Sheet1!$B$2,Sheet1!$A$3:$A$5,Sheet1!$B$3:$B$5,1)", 0},
                  {"Q2", "=SERIES(Sheet1!$C$2,Sheet1!$A$3:$A$5,Sheet1!$C$3:$C$5,2)", 1},
                  {"Q3", "=SERIES(Sheet1!$D$2,Sheet1!$A$3:$A$5,Sheet1!$D$3:$D$5,3)", 0}};
  chart.hasLegend = 1;
  chart.hasDataTable = 1;
  chart.hasTitle = 1;
  chart.title = "Sales";
  return chart;
}

const std::map<std::string, std::string> kChartKeys = {
    {"type", "3"},
    {"series_num", "3"},
    {"series_1", "Q1"},
    {"series_2", "Q2"},
    {"series_3", "Q3"},
    {"series_formula_1", "=SERIES(Sheet1!$B$2,Sheet1!$A$3:$A$5,Sheet1!$B$3:$B$5,1)"},
    {"series_formula_2", "=SERIES(Sheet1!$C$2,Sheet1!$A$3:$A$5,Sheet1!$C$3:$C$5,2)"},
    {"series_formula_3", "=SERIES(Sheet1!$D$2,Sheet1!$A$3:$A$5,Sheet1!$D$3:$D$5,3)"},
    {"has_legend", "1"},
    {"title", "Sales"}};

TEST(ExcelChartRules, ChecksTypeSeriesLabelsLegendDataTableAndTitle) {
  const std::string label = Ansi("图表");
  auto chartWith = [](std::function<void(ExcelChartModel&)> change) {
    return std::optional<ExcelChartModel>([&] {
      ExcelChartModel chart = RightChart();
      change(chart);
      return chart;
    }());
  };
  struct Case {
    const char* what;
    std::optional<ExcelChartModel> chart;
    std::vector<std::string> overrides;
    const char* scores;
    int points;
    std::string feedback;
  } cases[] = {
      {"all right without chart points keys: 1 + 1 + 1 + 1 + 1 + 1", RightChart(), {}, "", 6, ""},
      {"points keys", RightChart(), {}, "[score]\nchart_content=4\nchart_title=0\n", 1 + 1 + 4 + 1 + 1, ""},
      {"no active chart", std::nullopt, {}, "", 0, "{chart}<br>"},
      {"type absent", RightChart(), {"-type"}, "", 0, label + "{type}<br>"},
      {"no series to compare ends silently", RightChart(), {"series_num=0"}, "", 0, ""},
      {"one wrong name among three", chartWith([](ExcelChartModel& c) { c.series[1].name = "q2"; }), {}, "", 0,
       "{chart}<br>"},
      {"one wrong formula", chartWith([](ExcelChartModel& c) { c.series[2].formula = "=SERIES(,,{1,2},3)"; }), {},
       "", 5, label + "{content}<br>"},
      {"no data labels, data_label absent", chartWith([](ExcelChartModel& c) { c.series[1].hasDataLabels = 0; }),
       {}, "", 5, label + "{data_label}<br>"},
      {"no data labels, data_label 0", chartWith([](ExcelChartModel& c) { c.series[1].hasDataLabels = 0; }),
       {"data_label=0"}, "", 6, ""},
      {"has_legend absent compares with -999999", RightChart(), {"-has_legend"}, "", 5, label + "{legend}<br>"},
      {"has_legend 0 skips the legend", RightChart(), {"has_legend=0"}, "", 5, ""},
      {"data_table absent expects a data table", chartWith([](ExcelChartModel& c) { c.hasDataTable = 0; }), {}, "",
       5, label + "{data_table}<br>"},
      {"data_table 0 skips the data table", chartWith([](ExcelChartModel& c) { c.hasDataTable = 0; }),
       {"data_table=0"}, "", 5, ""},
      {"a chart without a title is not compared", chartWith([](ExcelChartModel& c) { c.hasTitle = 0; }), {}, "",
       5, ""},
      {"wrong title", RightChart(), {"title=Cost"}, "", 5, label + "{title}<br>"},
      // A check that holds appends no item, even when negative points bring the score to 0.
      {"holding checks append nothing at a score of 0", RightChart(), {},
       "[score]\nchart_data_label=-1\nchart_content=-1\nchart_has_legend=-1\nchart_data_table=-1\nchart_title=0\n",
       0, ""},
  };
  for (const Case& c : cases) {
    ExpectScored(
        c.what, [&](ExcelQuestion& q) { q.Book().activeChart = c.chart; },
        "[items]\nchart=1\n" + IniSection("chart", kChartKeys, c.overrides) + c.scores, c.points, c.feedback);
  }
}

TEST(ExcelChartRules, AMissingSeriesFailsTheCall) {
  ExcelQuestion question;
  question.Book().activeChart = RightChart();
  question.Criteria("[items]\nchart=1\n" + IniSection("chart", kChartKeys, {"series_num=4", "series_4=Q4"}));
  EXPECT_THROW(question.Score(), AutomationError);
  EXPECT_EQ(question.Office().running, 0);
}

}  // namespace
