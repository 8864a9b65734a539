// The inserted-row rules: text, merge, alignment and font of one cell of a row the candidate inserted.
#include "app/mbcs.h"
#include "app/texts.h"
#include "scorers/excel/excel_key_checks.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_values.h"

namespace {

// The cell itself, then the merged cells right of it up to and including column merge_num.
int InsertMergeCount(ExcelRun& run, ExcelRange& cell, int row, int column, int mergeNum) {
  int count = cell.MergeCells() == -1;
  for (int j = column + 1; j <= mergeNum; ++j) count += run.cells.Item(row, j)->MergeCells() == -1;
  return count;
}

}  // namespace

void ScoreInsertedRow(ExcelRun& run) {
  int row = run.Int("insert", "row_num");
  int column = run.Int("insert", "col_num");
  auto cell = run.cells.Item(row, column);
  std::string label = run.Text("insert", "msg");
  if (label.empty()) label = AnsiText(EXCEL_INSERT_LABEL);
  bool allHeld = true;

  // A wrong text means the row is not there at all: nothing else of it is scored.
  if (!TextKeyCheck(run, "insert", "content", label, [&] { return CellText(*cell); })) return;
  if (run.Int("insert", "merge") == -1) {
    int mergeNum = run.Int("insert", "merge_num");
    allHeld &= run.Check(InsertMergeCount(run, *cell, row, column, mergeNum) == mergeNum, "insert_merge", label,
                         "cell_merge");
  } else {
    run.AddPoints("insert_merge");
  }
  allHeld &= IntKeyCheck(run, "insert", "align", label, [&] { return cell->HorizontalAlignment(); });
  auto font = cell->Font();
  allHeld &= TextKeyCheck(run, "insert", "font", label, [&] { return font->Name(); });
  allHeld &= IntKeyCheck(run, "insert", "size", label, [&] { return Truncate(font->Size()); });
  allHeld &= TextKeyCheck(run, "insert", "color", label, [&] { return ColorText(font->Color()); });
  allHeld &= IntKeyCheck(run, "insert", "italic", label, [&] { return font->Italic(); });
  allHeld &= IntKeyCheck(run, "insert", "bold", label, [&] { return font->Bold(); });
  if (allHeld) run.AddPoints("insert", 1);
}
