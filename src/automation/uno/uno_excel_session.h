#pragma once
// ExcelSession over a private headless LibreOffice: each session is one office, each workbook a hidden,
// read-only copy of the file, and every value is converted to what Excel reports (office_values.h).
#include <memory>

#include "automation/uno/office_instance.h"
#include "scorers/excel/excel_session.h"

std::unique_ptr<ExcelSession> StartUnoExcel(const OfficeOptions& options = {});
