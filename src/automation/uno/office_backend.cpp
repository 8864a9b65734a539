#include "automation/office_backend.h"

#include "automation/uno/uno_excel_session.h"
#include "automation/uno/uno_word_session.h"

WordStarter OfficeWordStarter() {
  return [] { return StartUnoWord(); };
}

ExcelStarter OfficeExcelStarter() {
  return [] { return StartUnoExcel(); };
}
