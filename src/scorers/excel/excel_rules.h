#pragma once
// The rule families of the Excel scorer, run in this order by ScoreExcel when [items] switches them on.
// Each adds points to the run's score and items to its feedback; none stops the others.
class ExcelRun;

void ScoreTitle(ExcelRun& run);
void ScoreInsertedRow(ExcelRun& run);
void ScoreTable(ExcelRun& run);
void ScoreRangeBorder(ExcelRun& run);
void ScoreChart(ExcelRun& run);
