#pragma once
// One Excel question for the scorer tests: a web root in a temporary folder with the candidate's workbook
// file, a criteria file and a message-text file, and the in-memory Excel that opens that workbook as the
// model the test builds. Every message text reads "{key}", so feedback shows which message was used.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/model/excel_model_session.h"
#include "support/temp_folder.h"

struct ExcelOutcome {
  int result = 0;
  int maximum = 0;
  int achieved = 0;
  std::string feedback;
};

class ExcelQuestion {
 public:
  ExcelQuestion();

  ExcelWorkbookModel& Book() { return office_->workbooks[workbookPath_]; }
  ExcelSheetModel& Sheet() { return Book().sheet; }
  ExcelModelOffice& Office() { return *office_; }

  // Replaces the message-text file.
  void Messages(const std::string& ini) { root_.Write("score/info/m.ini", ini); }
  // Writes the criteria file: `ini` plus the [msg] path of the message-text file.
  void Criteria(const std::string& ini);
  // The context ScoreExcel gets: this web root and the in-memory Excel.
  ScorerContext Context() const { return {webRoot_, nullptr, ModelExcelStarter(office_)}; }
  ExcelOutcome Score(const std::string& feedbackBefore = "");

  std::string WorkbookPath() const { return workbookPath_; }
  std::string CriteriaPath() const { return criteriaPath_; }
  std::string WebRoot() const { return webRoot_; }

 private:
  TempFolder root_;
  std::string webRoot_;
  std::string workbookPath_;
  std::string criteriaPath_;
  std::shared_ptr<ExcelModelOffice> office_ = std::make_shared<ExcelModelOffice>();
};

// A fixed UTF-8 text in the ANSI code page, for the expected feedback.
std::string Ansi(std::string_view utf8);

// An INI section from key=value pairs, changed by overrides: "key=value" sets a key, "-key" removes it.
std::string IniSection(const std::string& name, std::map<std::string, std::string> keys,
                       const std::vector<std::string>& overrides = {});

using SheetBuilder = std::function<void(ExcelSheetModel&)>;

// One case of a rule table: a sheet, changes to the rule's criteria keys, the expected points and feedback.
struct SheetCase {
  const char* what;
  SheetBuilder build;
  std::vector<std::string> overrides;
  int points;
  std::string feedback;
};

// A builder that runs `first`, then `change`.
SheetBuilder Then(SheetBuilder first, SheetBuilder change);

// Scores a question that `build` fills, with `criteria`, and checks its points and feedback; `what` names
// the case in a failure.
void ExpectScored(const std::string& what, const std::function<void(ExcelQuestion&)>& build,
                  const std::string& criteria, int points, const std::string& feedback);
