#include <gtest/gtest.h>

#include "automation/model/excel_model_session.h"
#include "scorers/excel/excel_session.h"

namespace {

struct OpenBook {
  std::shared_ptr<ExcelModelOffice> office = std::make_shared<ExcelModelOffice>();
  std::unique_ptr<ExcelSession> excel;
  std::unique_ptr<ExcelWorkbooks> workbooks;
  std::unique_ptr<ExcelWorkbook> workbook;
  std::unique_ptr<ExcelWorksheet> sheet;

  explicit OpenBook(ExcelWorkbookModel book) {
    office->workbooks["C:\\b.xls"] = std::move(book);
    excel = ModelExcelStarter(office)();
    workbooks = excel->Workbooks();
    workbook = workbooks->Open("C:\\b.xls");
    sheet = workbook->ActiveSheet();
  }
};

TEST(ExcelModel, AnswersAsExcelForCellsRangesAndBorders) {
  ExcelWorkbookModel book;
  book.sheet.Cell("B2").text = "title";
  book.sheet.Merge("B2", "D2");
  book.sheet.Grid("B4", "C5", {1, 2, 255});
  book.sheet.Border("D5", EXCEL_EDGE_BOTTOM) = {1, -4138, 0};
  book.sheet.SetColumnWidth(3, 60.75);
  OpenBook open(std::move(book));
  auto cells = open.sheet->Cells();

  for (const char* address : {"B2", "C2", "D2"}) {
    EXPECT_EQ(open.sheet->Range(address, address)->MergeCells(), -1) << address;
  }
  EXPECT_EQ(cells->Item(2, 5)->MergeCells(), 0);
  EXPECT_EQ(cells->Item(2, 2)->Text(), "title");
  EXPECT_EQ(cells->Item(2, 3)->Text(), "");
  EXPECT_EQ(cells->Item(2, 3)->Width(), 60.75);
  EXPECT_EQ(cells->Item(2, 2)->Width(), 48);
  EXPECT_EQ(open.sheet->Range("b4", "$C$5")->Width(), 48 + 60.75);

  auto used = open.sheet->UsedRange();  // B2:D5
  EXPECT_EQ(used->Rows()->Count(), 4);
  EXPECT_EQ(used->Columns()->Count(), 3);
  EXPECT_EQ(used->Count(), 12);
  EXPECT_EQ(used->Item(1, 1)->Text(), "title") << "Item counts from the range's top-left cell";

  // A line is shared by the two cells it separates.
  EXPECT_EQ(cells->Item(6, 3)->Borders()->Item(EXCEL_EDGE_TOP)->LineStyle(), 1);
  EXPECT_EQ(cells->Item(4, 4)->Borders()->Item(EXCEL_EDGE_LEFT)->Color(), 255);
  EXPECT_EQ(cells->Item(4, 4)->Borders()->Item(EXCEL_EDGE_TOP)->LineStyle(), -4142);
  // A range's edge is the line along its side; cells that disagree read as mixed.
  auto bottom = open.sheet->Range("B4", "C5")->Borders()->Item(EXCEL_EDGE_BOTTOM);
  EXPECT_EQ(bottom->Weight(), 2);
  EXPECT_EQ(open.sheet->Range("B5", "D5")->Borders()->Item(EXCEL_EDGE_BOTTOM)->Weight(), EXCEL_MIXED);
  EXPECT_EQ(open.sheet->Range("B5", "D5")->Borders()->Item(EXCEL_EDGE_BOTTOM)->LineStyle(), 1);
}

TEST(ExcelModel, RejectsWhatExcelRejects) {
  ExcelWorkbookModel book;
  book.activeChart = ExcelChartModel{};
  book.activeChart->series = {{"a", "=SERIES(a)", 1}};
  OpenBook open(std::move(book));
  auto cells = open.sheet->Cells();
  EXPECT_THROW(cells->Item(-999999, -999999), AutomationError);
  EXPECT_THROW(cells->Item(1, 257), AutomationError);
  EXPECT_THROW(cells->Item(65537, 1), AutomationError);
  EXPECT_THROW(open.sheet->Range("A5", "[5"), AutomationError);
  EXPECT_THROW(open.sheet->Range("A-999999", "A1"), AutomationError);
  EXPECT_THROW(open.sheet->Range("", ""), AutomationError);
  EXPECT_THROW(cells->Item(1, 1)->Borders()->Item(3), AutomationError);
  auto chart = open.workbook->ActiveChart();
  EXPECT_EQ(chart->SeriesCollection(1)->Name(), "a");
  EXPECT_THROW(chart->SeriesCollection(0), AutomationError);
  EXPECT_THROW(chart->SeriesCollection(2), AutomationError);
  EXPECT_THROW(chart->ChartTitle(), AutomationError);
  EXPECT_THROW(open.workbooks->Open("C:\\other.xls"), AutomationError);
  open.excel->Quit();
  EXPECT_THROW(cells->Item(1, 1), AutomationError);
  EXPECT_THROW(chart->Type(), AutomationError);
}

TEST(ExcelModel, DestroyingTheApplicationClosesTheWorkbookAndEndsExcel) {
  OpenBook open{ExcelWorkbookModel()};
  EXPECT_EQ(open.workbook->ActiveChart(), nullptr);
  EXPECT_EQ(open.office->running, 1);
  auto office = open.office;
  open.sheet.reset();
  open.workbook.reset();
  open.workbooks.reset();
  open.excel.reset();
  EXPECT_EQ(office->running, 0);
  EXPECT_EQ(office->log, (std::vector<std::string>{"start", "open C:\\b.xls", "close C:\\b.xls", "quit"}));
}

}  // namespace
