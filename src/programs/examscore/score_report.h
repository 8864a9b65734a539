#pragma once
// What examscore prints for one scored question.
#include <optional>
#include <string>

struct ScoreReport {
  std::string type;
  int result = 0;
  int maximum = 0;
  int achieved = 0;
  std::string rs;
  std::string msg;  // UTF-8
  std::optional<std::string> error;
};

// One JSON object on one line: type, result, maximum, achieved, rs, msg and, after an error, error.
std::string ReportJson(const ScoreReport& report);

// The same as "name: value" lines, then the feedback items one per line (without their "<br>").
std::string ReportText(const ScoreReport& report);
