#pragma once
// The one error an Office backend raises for a failing call: an index Office would reject, a property it
// cannot give, a crashed or hung office process. Scorers let it pass; the scoring run reports the question.
#include <stdexcept>
#include <string>

class AutomationError : public std::runtime_error {
 public:
  explicit AutomationError(const std::string& what) : std::runtime_error(what) {}
};
