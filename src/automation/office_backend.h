#pragma once
// The Office backend of this build: LibreOffice on Linux, Word and Excel on Windows. The programs link
// `examhost_office`, which is that backend, or one that reports Office as not startable when none is built.
#include "scoring/scorer_entry.h"

WordStarter OfficeWordStarter();
ExcelStarter OfficeExcelStarter();
