#pragma once
// ExcelSession over in-memory workbooks: the Excel that the scorer's tests start. It answers as Excel
// would for the workbook model (excel_model.h), rejects what Excel rejects with AutomationError, and keeps
// a log of its instances' lifecycle so tests can see that every instance was ended.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/model/excel_model.h"
#include "scoring/scorer_entry.h"

// The in-memory Excel installation shared by the instances it starts.
struct ExcelModelOffice {
  // The workbooks Workbooks.Open finds, by the path it is given.
  std::map<std::string, ExcelWorkbookModel> workbooks;
  // Instances started and not yet ended.
  int running = 0;
  // "start", "open <path>", "close <path>", "close all", "quit", in the order they happened. An instance
  // destroyed before Quit closes what it has open and logs "quit" itself.
  std::vector<std::string> log;
};

// Starts a new in-memory Excel instance on `office` for each call.
ExcelStarter ModelExcelStarter(std::shared_ptr<ExcelModelOffice> office);
