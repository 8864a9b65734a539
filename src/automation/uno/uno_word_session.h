#pragma once
// WordSession over a private headless LibreOffice: Documents.Add loads a hidden, read-only copy of the
// file, and every value is converted to what Word reports for it (office_values.h).
#include <memory>

#include "automation/uno/office_instance.h"
#include "scorers/word/word_session.h"

std::unique_ptr<WordSession> StartUnoWord(const OfficeOptions& options = {});
