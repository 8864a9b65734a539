#include "excel_question.h"

#include <gtest/gtest.h>

#include "app/texts.h"

namespace {

constexpr const char* kMessageKeys[] = {"cell_merge", "title", "align", "v_align", "font", "color",
                                        "size", "bold", "italic", "underline", "content", "width",
                                        "line_style", "chart", "type", "data_label", "legend", "data_table"};

}  // namespace

ExcelQuestion::ExcelQuestion()
    : webRoot_(root_.Inside() + "\\"),
      workbookPath_(webRoot_ + "operation\\12\\excel\\1001.xls"),
      criteriaPath_(webRoot_ + "score\\excel\\1001.ini") {
  root_.Write("operation/12/excel/1001.xls", "workbook");
  std::string messages = "[msg]\n";
  for (const char* key : kMessageKeys) messages += std::string(key) + "={" + key + "}\n";
  root_.Write("score/info/m.ini", messages);
  Book();
}

void ExcelQuestion::Criteria(const std::string& ini) {
  root_.Write("score/excel/1001.ini", "[msg]\npath=m.ini\n" + ini);
}

ExcelOutcome ExcelQuestion::Score(const std::string& feedbackBefore) {
  ExcelOutcome outcome;
  outcome.feedback = feedbackBefore;
  outcome.result = ScoreExcel(Context(), workbookPath_, criteriaPath_, outcome.maximum, outcome.achieved,
                              outcome.feedback);
  return outcome;
}

std::string Ansi(std::string_view utf8) { return AnsiText(utf8); }

std::string IniSection(const std::string& name, std::map<std::string, std::string> keys,
                       const std::vector<std::string>& overrides) {
  for (const std::string& change : overrides) {
    if (change.starts_with('-')) {
      keys.erase(change.substr(1));
    } else {
      size_t equals = change.find('=');
      keys[change.substr(0, equals)] = change.substr(equals + 1);
    }
  }
  std::string text = "[" + name + "]\n";
  for (const auto& [key, value] : keys) text += key + "=" + value + "\n";
  return text;
}

SheetBuilder Then(SheetBuilder first, SheetBuilder change) {
  return [first, change](ExcelSheetModel& sheet) {
    first(sheet);
    change(sheet);
  };
}

void ExpectScored(const std::string& what, const std::function<void(ExcelQuestion&)>& build,
                  const std::string& criteria, int points, const std::string& feedback) {
  ExcelQuestion question;
  build(question);
  question.Criteria(criteria);
  ExcelOutcome outcome = question.Score();
  EXPECT_EQ(outcome.result, 0) << what;
  EXPECT_EQ(outcome.achieved, points) << what;
  EXPECT_EQ(outcome.feedback, feedback) << what;
}
