#include "automation/office_backend.h"

#include "scorers/excel/excel_session.h"
#include "scorers/word/word_session.h"

// No Office backend is built: every start fails, so the scorers report that Word or Excel could not start.
WordStarter OfficeWordStarter() {
  return [] { return std::unique_ptr<WordSession>(); };
}

ExcelStarter OfficeExcelStarter() {
  return [] { return std::unique_ptr<ExcelSession>(); };
}
