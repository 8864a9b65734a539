// The title rules: merge, text, alignment and font of the table's title cell.
#include "app/mbcs.h"
#include "app/texts.h"
#include "scorers/excel/excel_key_checks.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_values.h"

namespace {

// Merged cells from the title cell's column up to, not including, merge_num, then the title cell once
// more; so with the title in column 1 a merge over columns 1 to merge_num - 1 counts merge_num.
int TitleMergeCount(ExcelRun& run, ExcelRange& title, int row, int column, int mergeNum) {
  int count = 0;
  for (int j = column; j < mergeNum; ++j) count += run.cells.Item(row, j)->MergeCells() == -1;
  return count + (title.MergeCells() == -1);
}

}  // namespace

void ScoreTitle(ExcelRun& run) {
  const std::string rowLabel = AnsiText(EXCEL_TITLE_ROW_LABEL);
  const std::string label = AnsiText(EXCEL_TITLE_LABEL);
  int row = run.Int("title", "row_num");
  int column = run.Int("title", "col_num");
  auto title = run.cells.Item(row, column);
  bool allHeld = true;

  if (run.Int("title", "merge") == -1) {
    int mergeNum = run.Int("title", "merge_num");
    allHeld &= run.Check(TitleMergeCount(run, *title, row, column, mergeNum) == mergeNum, "title_merge", rowLabel,
                         "cell_merge");
  }
  // The title text is always compared, so an absent key expects an empty (or blank) title cell.
  allHeld &= run.Check(CellText(*title) == TrimBlanks(run.Text("title", "content")), "title_content", rowLabel,
                       "title");
  allHeld &= IntKeyCheck(run, "title", "align", label, [&] { return title->HorizontalAlignment(); });
  allHeld &= IntKeyCheck(run, "title", "v_align", label, [&] { return title->VerticalAlignment(); });
  auto font = title->Font();
  allHeld &= TextKeyCheck(run, "title", "font", label, [&] { return std::string(TrimBlanks(font->Name())); });
  allHeld &= TextKeyCheck(run, "title", "color", label, [&] { return ColorText(font->Color()); });
  allHeld &= IntKeyCheck(run, "title", "size", label, [&] { return Truncate(font->Size()); });
  allHeld &= IntKeyCheck(run, "title", "bold", label, [&] { return font->Bold(); });
  allHeld &= IntKeyCheck(run, "title", "italic", label, [&] { return font->Italic(); });
  allHeld &= IntKeyCheck(run, "title", "underline", label, [&] { return font->Underline(); });
  if (allHeld) run.AddPoints("title");
}
