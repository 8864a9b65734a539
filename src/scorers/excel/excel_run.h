#pragma once
// The state of scoring one Excel question: the criteria file, the message texts, the running score, the
// feedback collected so far and the Excel objects every rule family reads.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/ini_file.h"
#include "scorers/excel/excel_session.h"

class ExcelRun {
 public:
  ExcelRun(const std::string& criteriaPath, IniFile messages, ExcelWorkbook& workbook, ExcelWorksheet& sheet,
           ExcelRange& cells);

  // Criteria keys. Texts are cut to size - 1 characters; absent texts are empty.
  int Int(std::string_view section, std::string_view key, int absent = SCORE_ABSENT) const;
  std::string Text(std::string_view section, std::string_view key, size_t size = 128) const;
  bool On(std::string_view section, std::string_view key) const { return Int(section, key) != SCORE_ABSENT; }

  // Adds [score] `pointsKey` to the running score.
  void AddPoints(std::string_view pointsKey, int absent = 0);
  // Adds a number of points; the score wraps as a 32-bit integer would.
  void AddPoints(int points);

  std::string Message(std::string_view key) const;
  // Appends text + "<br>".
  void AddItem(std::string_view text);
  // Appends label + the message text of `messageKey` + "<br>".
  void AddItem(std::string_view label, std::string_view messageKey);

  // One check: when it held adds its points, else appends its item. Returns `held`.
  bool Check(bool held, std::string_view pointsKey, std::string_view label, std::string_view messageKey,
             int absentPoints = 0);

  int Score() const { return score_; }
  const std::string& Feedback() const { return feedback_; }

  ExcelWorkbook& workbook;
  ExcelWorksheet& sheet;
  ExcelRange& cells;

 private:
  std::string criteriaPath_;
  IniFile messages_;
  int score_ = 0;
  std::string feedback_;
};
