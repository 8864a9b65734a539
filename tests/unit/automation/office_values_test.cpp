#include "automation/office_values.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

// The office rounds Word's twips to hundredths of a millimetre; the scorers print points with "%f".
TEST(OfficeValues, LengthsGoBackThroughWholeTwips) {
  struct Case {
    int hundredthMm;
    const char* points;
  } cases[] = {
      {741, "21.000000"},  // 420 twips, which a plain conversion reads as 21.004724
      {499, "14.150000"},  // 0.5 cm entered in Word is 283 twips
      {635, "18.000000"},  {-353, "-10.000000"}, {0, "0.000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(Printf("%f", HundredthMmToPoints(c.hundredthMm)), c.points) << c.hundredthMm;
}

TEST(OfficeValues, ColoursAreBgrWithWordsAutomaticColour) {
  EXPECT_EQ(WordColor(0xFF0000), 255);
  EXPECT_EQ(WordColor(0x0000FF), 16711680);
  EXPECT_EQ(WordColor(0x123456), 0x563412);
  EXPECT_EQ(WordColor(-1), -16777216);
  EXPECT_EQ(WordColorIndex(-1), 0);
  EXPECT_EQ(WordColorIndex(0xFF0000), 6);
  EXPECT_EQ(WordColorIndex(0xC0C0C0), 16);
  EXPECT_EQ(WordColorIndex(0x123456), WD_UNDEFINED);
}

TEST(OfficeValues, WordEnumerations) {
  EXPECT_EQ(WordAlignment(0, 0), 0);
  EXPECT_EQ(WordAlignment(3, 0), 1);  // centre
  EXPECT_EQ(WordAlignment(1, 0), 2);  // right
  EXPECT_EQ(WordAlignment(2, 0), 3);  // justified
  EXPECT_EQ(WordAlignment(2, 2), 4);  // justified last line too: distributed
  EXPECT_EQ(WordUnderline(0, false), 0);
  EXPECT_EQ(WordUnderline(1, false), 1);
  EXPECT_EQ(WordUnderline(1, true), 2);
  EXPECT_EQ(WordUnderline(2, false), 3);
  EXPECT_EQ(WordUnderline(10, false), 11);
  EXPECT_EQ(WordUnderline(12, false), 6);  // bold single: thick
  EXPECT_EQ(WordUnderline(99, false), 0);
}

TEST(OfficeValues, WordLineSpacingAndBorderWidth) {
  EXPECT_EQ(Printf("%06f", WordLineSpacing(0, 100)), "12.000000");
  EXPECT_EQ(Printf("%06f", WordLineSpacing(0, 150)), "18.000000");
  EXPECT_EQ(Printf("%06f", WordLineSpacing(0, 200)), "24.000000");
  EXPECT_EQ(Printf("%06f", WordLineSpacing(3, 635)), "18.000000");  // exactly 18 pt
  EXPECT_EQ(Printf("%06f", WordLineSpacing(1, 706)), "20.000000");  // at least 20 pt
  EXPECT_EQ(WordLineWidth(0), 0);
  EXPECT_EQ(WordLineWidth(18), 4);   // 0.5 pt
  EXPECT_EQ(WordLineWidth(26), 6);   // 0.75 pt
  EXPECT_EQ(WordLineWidth(53), 12);  // 1.5 pt
  EXPECT_EQ(WordLineWidth(212), 48);
  EXPECT_EQ(Printf("%f", WordBrightness(20)), "0.600000");
  EXPECT_EQ(Printf("%f", WordBrightness(0)), "0.500000");
}

TEST(OfficeValues, ExcelAlignmentsAndUnderline) {
  EXPECT_EQ(ExcelHorizontalAlignment(0, false), 1);
  EXPECT_EQ(ExcelHorizontalAlignment(1, false), -4131);
  EXPECT_EQ(ExcelHorizontalAlignment(2, false), -4108);
  EXPECT_EQ(ExcelHorizontalAlignment(3, false), -4152);
  EXPECT_EQ(ExcelHorizontalAlignment(0, true), -4117);
  EXPECT_EQ(ExcelVerticalAlignment(0, false), -4107);
  EXPECT_EQ(ExcelVerticalAlignment(1, false), -4160);
  EXPECT_EQ(ExcelVerticalAlignment(2, false), -4108);
  EXPECT_EQ(ExcelUnderline(0), -4142);
  EXPECT_EQ(ExcelUnderline(1), 2);
  EXPECT_EQ(ExcelUnderline(2), -4119);
}

TEST(OfficeValues, ExcelPaletteFillsAndBorders) {
  EXPECT_EQ(ExcelColorIndex(-1), -4142);
  EXPECT_EQ(ExcelColorIndex(0xFFFF00), 6);   // yellow: slot 6, not its twin 27
  EXPECT_EQ(ExcelColorIndex(0xC0C0C0), 15);
  EXPECT_EQ(ExcelColorIndex(0x333333), 56);
  EXPECT_EQ(ExcelColorIndex(0xFEFF01), 6);   // nearest
  EXPECT_EQ(ExcelPattern(-1), -4142);
  EXPECT_EQ(ExcelPattern(0xFFFF00), 1);
  struct Case {
    int style, width, lineStyle, weight;
  } cases[] = {
      {0x7FFF, 0, -4142, 2}, {0, 0, -4142, 2},  {0, 26, 1, 2},     {0, 62, 1, -4138},
      {0, 88, 1, 4},         {0, 2, 1, 1},       {1, 26, -4118, 2}, {14, 26, -4115, 2},
      {15, 88, -4119, 4},    {16, 62, 4, -4138}, {17, 26, 5, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExcelLineStyle(c.style, c.width), c.lineStyle) << c.style << " " << c.width;
    EXPECT_EQ(ExcelWeight(c.style, c.width), c.weight) << c.style << " " << c.width;
  }
  EXPECT_EQ(Printf("%f", ExcelColumnWidth(2275)), "64.500000");  // 86 px
  EXPECT_EQ(Printf("%f", ExcelColumnWidth(1693)), "48.000000");  // 64 px
}

TEST(OfficeValues, LegacyChartTypes) {
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.ColumnChartType"}), 3);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.ColumnChartType", true}), 2);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.ColumnChartType", false, true}), -4100);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.LineChartType"}), 4);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.PieChartType"}), 5);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.PieChartType", false, false, true}), -4120);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.ScatterChartType"}), -4169);
  EXPECT_EQ(ExcelChartType({"com.sun.star.chart2.LineChartType", false, false, false, true}), -4111);
}

TEST(OfficeValues, SeriesFormulaInExcelsForm) {
  EXPECT_EQ(ExcelSeriesFormula("$成绩.B3", "$成绩.$A$4:$A$7", "$成绩.$B$4:$B$7", 1),
            "=SERIES(成绩!$B$3,成绩!$A$4:$A$7,成绩!$B$4:$B$7,1)");
  EXPECT_EQ(ExcelSeriesFormula("$'Sales Data'.$B$1", "$'Sales Data'.$A$2:$'Sales Data'.$A$5", "", 2),
            "=SERIES('Sales Data'!$B$1,'Sales Data'!$A$2:$A$5,,2)");
  EXPECT_EQ(ExcelRangeReference("$'Bob''s'.$A$1"), "'Bob''s'!$A$1");
  EXPECT_EQ(ExcelRangeReference("$A1.$A$1"), "'A1'!$A$1");
  EXPECT_EQ(ExcelRangeReference("$2024.$A$1"), "'2024'!$A$1");
  EXPECT_EQ(ExcelRangeReference("$Sheet1.$B$2;$Sheet1.$B$5:$B$7"), "(Sheet1!$B$2,Sheet1!$B$5:$B$7)");
}
