#pragma once
// The Excel operations the scorers use, shaped like Excel's object model. Every failing call raises
// AutomationError.
#include "automation/automation_error.h"

class ExcelSession {
 public:
  virtual ~ExcelSession() = default;
};
