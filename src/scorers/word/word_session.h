#pragma once
// The Word operations the scorers use, shaped like Word's object model. Every failing call raises
// AutomationError.
#include "automation/automation_error.h"

class WordSession {
 public:
  virtual ~WordSession() = default;
};
