// ScoreExcel: opens the candidate's workbook in Excel, runs the rule families the criteria file switches
// on, and reports the running score, the question's maximum and the feedback.
#include <memory>

#include "app/texts.h"
#include "platform/files.h"
#include "scorers/excel/excel_rules.h"
#include "scorers/excel/excel_run.h"
#include "scorers/excel/excel_session.h"
#include "scoring/message_file.h"
#include "scoring/scorer_entry.h"

namespace {

struct ExcelResult {
  int maximum;
  int score;
  std::string feedback;
};

ExcelResult ScoreWorkbook(ExcelSession& excel, const std::string& webRoot, const std::string& workbookPath,
                          const std::string& criteriaPath) {
  IniFile messages = OpenMessageFile(criteriaPath, webRoot);
  auto workbooks = excel.Workbooks();
  auto workbook = workbooks->Open(workbookPath);
  auto sheet = workbook->ActiveSheet();
  auto used = sheet->UsedRange();
  int usedRows = used->Rows()->Count();
  int usedColumns = used->Columns()->Count();
  auto cells = sheet->Cells();
  ExcelRun run(criteriaPath, std::move(messages), *workbook, *sheet, *cells);

  if (usedRows == run.Int("gloal", "row")) run.AddPoints("gloal_row");
  if (usedColumns == run.Int("gloal", "col")) run.AddPoints("gloal_col");
  // Only the value 1 switches a family on.
  if (run.Int("items", "title") == 1) ScoreTitle(run);
  if (run.Int("items", "insert") == 1) ScoreInsertedRow(run);
  if (run.Int("items", "content") == 1) ScoreTable(run);
  if (run.Int("items", "border") == 1) ScoreRangeBorder(run);
  if (run.Int("items", "chart") == 1) ScoreChart(run);
  ExcelResult result{run.Int("score", "all_score"), run.Score(), run.Feedback()};

  workbook->Close(workbookPath);
  workbooks->Close();
  excel.Quit();
  return result;
}

}  // namespace

int ScoreExcel(const ScorerContext& context, const std::string& documentPath, const std::string& criteriaPath,
               int& maximum, int& achieved, std::string& feedback) {
  if (!PathExists(documentPath) || !PathExists(criteriaPath)) {
    feedback += AnsiText(EXCEL_FILES_MISSING) + "<br>";
    return -2;
  }
  std::unique_ptr<ExcelSession> excel = context.startExcel ? context.startExcel() : nullptr;
  if (!excel) {
    feedback += AnsiText(EXCEL_NOT_STARTED) + "<br>";
    return -1;
  }
  // An AutomationError leaves through here with nothing written; destroying `excel` on the way out ends
  // the instance, so no Excel is left running.
  ExcelResult result = ScoreWorkbook(*excel, context.webRoot, documentPath, criteriaPath);
  maximum = result.maximum;
  achieved = result.score > 0 ? result.score : 0;
  feedback += result.feedback;
  return 0;
}
