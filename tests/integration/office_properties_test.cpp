// What the LibreOffice sessions read from real .doc and .xls files, property by property, against the
// values the documents were written with (tests/data/office/make_samples.py) in Word's and Excel's terms,
// formatted as the scorers format them.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "automation/office_backend.h"
#include "automation/uno/uno_excel_session.h"
#include "automation/uno/uno_word_session.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "scorers/word/word_text_reader.h"

namespace {

const std::string kAnswers = EXAMHOST_SOURCE_DIR "/tests/data/office/";

std::string F(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string X(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06x", value);
  return buffer;
}

std::string Utf8(const std::string& ansi) { return AnsiToUtf8(ansi); }

// One line per paragraph: text, size, name, bold, italic, underline, scaling, spacing, emboss, colour,
// alignment, left, right and first-line indent, line spacing, shading colour index.
std::string Describe(WordParagraph& paragraph) {
  auto range = paragraph.Range();
  auto font = range->Font();
  std::string text = Utf8(range->Text());
  for (char& c : text) c = c == '\r' ? '|' : c == '\a' ? '#' : c;
  return text + " " + F("%f", font->Size()) + " " + Utf8(font->Name()) + " " + std::to_string(font->Bold()) + " " +
         std::to_string(range->Italic()) + " " + std::to_string(font->Underline()) + " " +
         std::to_string(font->Scaling()) + " " + F("%f", font->Spacing()) + " " + std::to_string(font->Emboss()) +
         " " + X(font->Color()) + " " + std::to_string(paragraph.Alignment()) + " " +
         F("%f", paragraph.LeftIndent()) + " " + F("%f", paragraph.RightIndent()) + " " +
         F("%f", paragraph.FirstLineIndent()) + " " + F("%06f", paragraph.LineSpacing()) + " " +
         std::to_string(font->Shading()->BackgroundPatternColorIndex());
}

TEST(OfficeProperties, WordReportsWordsValues) {
  std::unique_ptr<WordSession> word = StartUnoWord();
  ASSERT_TRUE(word);
  word->Documents()->Add(InsidePath(kAnswers + "word-properties.doc"));
  auto selection = word->Selection();
  selection->WholeStory();
  auto paragraphs = selection->Paragraphs();
  // 9 body paragraphs, 3 rows of 3 cells with their end-of-row marks, the paragraph after the table.
  ASSERT_EQ(paragraphs->Count(), 22);
  const char* expected[] = {
      "plain| 10.500000 Arial 0 0 0 100 0.000000 0 ff000000 0 0.000000 0.000000 0.000000 12.000000 0",
      "italic underlined| 10.500000 Arial 0 -1 1 100 0.000000 0 ff000000 0 0.000000 0.000000 0.000000 12.000000 0",
      "double underline| 10.500000 Arial 0 0 3 100 0.000000 0 ff000000 0 0.000000 0.000000 0.000000 12.000000 0",
      "scaled spaced embossed| 10.500000 Arial 0 0 0 80 2.000000 -1 ff000000 0 0.000000 0.000000 0.000000 "
      "12.000000 0",
      "right aligned indented| 10.500000 Arial 0 0 0 100 0.000000 0 ff000000 2 14.150000 28.350000 -14.150000 "
      "12.000000 0",
      "justified exactly 18 pt| 10.500000 Arial 0 0 0 100 0.000000 0 ff000000 3 0.000000 0.000000 0.000000 "
      "18.000000 0",
      "centred double spaced| 10.500000 Arial 0 0 0 100 0.000000 0 ff000000 1 0.000000 0.000000 0.000000 "
      "24.000000 0",
      "shaded yellow blue text| 10.500000 Arial 0 0 0 100 0.000000 0 ff0000 0 0.000000 0.000000 0.000000 "
      "12.000000 7",
  };
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Describe(*paragraphs->Item(i + 1)), expected[i]);
  EXPECT_EQ(Describe(*paragraphs->Item(10)),
            "项目|# 12.000000 宋体 -1 0 0 100 0.000000 0 ff000000 0 0.000000 0.000000 0.000000 12.000000 0");
  EXPECT_EQ(Utf8(paragraphs->Item(13)->Range()->Text()), "\r\a");  // end of row 1

  auto shapes = paragraphs->Item(9)->Range()->InlineShapes();
  ASSERT_EQ(shapes->Count(), 1);
  auto picture = shapes->Item(1);
  // 2 cm x 1 cm as the .doc stores it (1133 x 566 twips), brightness +20 %.
  EXPECT_EQ(F("%f", picture->Width()) + " " + F("%f", picture->Height()) + " " +
                F("%f", picture->PictureFormat()->Brightness()),
            "56.650002 28.299999 0.600000");
  EXPECT_THROW(shapes->Item(2), AutomationError);

  auto table = selection->Tables()->Item(1);
  EXPECT_EQ(table->Columns()->Count(), 3);
  EXPECT_EQ(table->Rows()->Count(), 3);
  auto border = table->Borders()->Item(1);
  EXPECT_EQ(border->LineWidth(), 12);  // 1.5 pt
  EXPECT_EQ(border->ColorIndex(), 6);  // red
  auto first = table->Rows()->Item(1)->Cells()->Item(1);
  EXPECT_EQ(Utf8(first->Range()->Text()), "项目\r\a");
  EXPECT_EQ(F("%f", first->Height()), "28.350000");  // 1 cm
  EXPECT_NEAR(first->Width(), 141.75, 0.1);          // 5 cm, within a twip or two
  EXPECT_EQ(F("%f", table->Rows()->Item(2)->Cells()->Item(1)->Height()), "9999999.000000");  // automatic
  EXPECT_THROW(table->Rows()->Item(4), AutomationError);
}

TEST(OfficeProperties, WordTextReaderEndsParagraphsAndCellsAsWordDoes) {
  std::string text = "kept ";
  ASSERT_EQ(ReadWordDocumentText(OfficeWordStarter(), InsidePath(kAnswers + "word-right.doc"), text), 0);
  EXPECT_EQ(Utf8(text),
            "kept 会计基础知识\r会计是以货币为主要计量单位，反映和监督一个单位经济活动的一种经济管理工作。\r"
            "会计的基本职能包括会计核算和会计监督两个方面。\r以下为某企业月末货币资金余额：\r"
            "项目\r\a金额\r\a备注\r\a\r\a现金\r\a1000\r\a库存\r\a\r\a银行存款\r\a5000\r\a活期\r\a\r\a\r");
}

// Cell by cell: horizontal and vertical alignment, italic, underline, colour, fill index and pattern, width
// and the four edges (line style, weight, colour).
std::string Describe(ExcelRange& cell) {
  auto font = cell.Font();
  std::string line = Utf8(cell.Text()) + " " + std::to_string(cell.HorizontalAlignment()) + " " +
                     std::to_string(cell.VerticalAlignment()) + " " + std::to_string(font->Italic()) + " " +
                     std::to_string(font->Underline()) + " " + X(static_cast<int>(font->Color())) + " " +
                     std::to_string(cell.Interior()->ColorIndex()) + " " + std::to_string(cell.Interior()->Pattern()) +
                     " " + F("%f", cell.Width());
  for (int edge : {EXCEL_EDGE_LEFT, EXCEL_EDGE_TOP, EXCEL_EDGE_BOTTOM, EXCEL_EDGE_RIGHT}) {
    auto border = cell.Borders()->Item(edge);
    line += " " + std::to_string(border->LineStyle()) + "/" + std::to_string(border->Weight()) + "/" +
            X(static_cast<int>(border->Color()));
  }
  return line;
}

TEST(OfficeProperties, ExcelReportsExcelsValues) {
  std::unique_ptr<ExcelSession> excel = StartUnoExcel();
  ASSERT_TRUE(excel);
  auto workbooks = excel->Workbooks();
  auto book = workbooks->Open(InsidePath(kAnswers + "excel-properties.xls"));
  auto cells = book->ActiveSheet()->Cells();
  const char* none = "-4142/2/000000";
  const std::string expected[] = {
      std::string("case 1 -4152 -4107 0 -4142 000000 -4142 -4142 84.750000 ") + none + " " + none + " " + none + " " + none,
      std::string("case 2 -4108 -4160 0 -4142 000000 -4142 -4142 84.750000 ") + none + " " + none + " " + none + " " + none,
      std::string("case 3 1 -4108 -1 2 0000ff -4142 -4142 84.750000 ") + none + " " + none + " " + none + " " + none,
      std::string("case 4 1 -4107 0 -4142 000000 15 1 84.750000 ") + none + " " + none + " 1/4/ff0000 " + none,
      std::string("case 5 1 -4107 0 -4142 000000 -4142 -4142 84.750000 -4118/2/0000ff -4115/-4138/000000 ") + none +
          " " + none,
  };
  for (int row = 1; row <= 5; ++row) EXPECT_EQ(Describe(*cells->Item(row, 1)), expected[row - 1]);
  EXPECT_EQ(book->ActiveChart(), nullptr);
  EXPECT_THROW(cells->Item(0, 1), AutomationError);
  EXPECT_THROW(cells->Item(65537, 1), AutomationError);
  EXPECT_THROW(book->ActiveSheet()->Range("A1", "1A"), AutomationError);
  book->Close(InsidePath(kAnswers + "excel-properties.xls"));

  book = workbooks->Open(InsidePath(kAnswers + "excel-right.xls"));
  auto sheet = book->ActiveSheet();
  auto used = sheet->UsedRange();
  EXPECT_EQ(used->Rows()->Count(), 6);
  EXPECT_EQ(used->Columns()->Count(), 4);
  // Every cell of the merged title area reports the merge, as in Excel.
  EXPECT_EQ(sheet->Cells()->Item(1, 1)->MergeCells(), -1);
  EXPECT_EQ(sheet->Cells()->Item(1, 4)->MergeCells(), -1);
  EXPECT_EQ(sheet->Cells()->Item(2, 1)->MergeCells(), 0);
  auto title = sheet->Cells()->Item(1, 1)->Font();
  EXPECT_EQ(Utf8(title->Name()) + " " + F("%g", title->Size()) + " " + std::to_string(title->Bold()), "黑体 16 -1");
  EXPECT_EQ(Utf8(sheet->Cells()->Item(3, 4)->Text()), "163");  // a formula shows its value
  EXPECT_EQ(sheet->Range("A2", "D2")->Interior()->ColorIndex(), 6);
  EXPECT_EQ(sheet->Range("A1", "A2")->Font()->Bold(), -1);
  EXPECT_EQ(sheet->Range("A2", "A3")->Font()->Bold(), EXCEL_MIXED);

  auto chart = book->ActiveChart();
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->Type(), 3);
  auto series = chart->SeriesCollection(1);
  EXPECT_EQ(Utf8(series->Name()), "会计");
  EXPECT_EQ(Utf8(series->Formula()), "=SERIES(成绩!$B$2,成绩!$A$3:$A$6,成绩!$B$3:$B$6,1)");
  EXPECT_EQ(series->HasDataLabels(), 0);
  EXPECT_EQ(chart->HasLegend(), 1);
  EXPECT_EQ(chart->HasDataTable(), 0);
  ASSERT_EQ(chart->HasTitle(), 1);
  EXPECT_EQ(Utf8(chart->ChartTitle()->Caption()), "会计成绩");
  EXPECT_THROW(chart->SeriesCollection(2), AutomationError);
}

}  // namespace
