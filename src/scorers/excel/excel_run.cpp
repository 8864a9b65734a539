#include "scorers/excel/excel_run.h"

#include "scoring/message_file.h"

ExcelRun::ExcelRun(const std::string& criteriaPath, IniFile messages, ExcelWorkbook& workbook,
                   ExcelWorksheet& sheet, ExcelRange& cells)
    : workbook(workbook), sheet(sheet), cells(cells), criteriaPath_(criteriaPath), messages_(std::move(messages)) {}

int ExcelRun::Int(std::string_view section, std::string_view key, int absent) const {
  return ReadIniInt(criteriaPath_, section, key, absent);
}

std::string ExcelRun::Text(std::string_view section, std::string_view key, size_t size) const {
  return ReadIniString(criteriaPath_, section, key, "", size);
}

void ExcelRun::AddPoints(std::string_view pointsKey, int absent) { AddPoints(Int("score", pointsKey, absent)); }

void ExcelRun::AddPoints(int points) {
  score_ = static_cast<int>(static_cast<unsigned>(score_) + static_cast<unsigned>(points));
}

std::string ExcelRun::Message(std::string_view key) const { return MessageText(messages_, key); }

void ExcelRun::AddItem(std::string_view text) {
  feedback_ += text;
  feedback_ += "<br>";
}

void ExcelRun::AddItem(std::string_view label, std::string_view messageKey) {
  feedback_ += label;
  AddItem(Message(messageKey));
}

bool ExcelRun::Check(bool held, std::string_view pointsKey, std::string_view label, std::string_view messageKey,
                     int absentPoints) {
  if (held) {
    AddPoints(pointsKey, absentPoints);
  } else {
    AddItem(label, messageKey);
  }
  return held;
}
