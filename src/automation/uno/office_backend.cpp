#include "automation/office_backend.h"

#include "scorers/excel/excel_session.h"
#include "scorers/word/word_session.h"

// Placeholder until the sessions over LibreOffice land.
WordStarter OfficeWordStarter() {
  return [] { return std::unique_ptr<WordSession>(); };
}

ExcelStarter OfficeExcelStarter() {
  return [] { return std::unique_ptr<ExcelSession>(); };
}
