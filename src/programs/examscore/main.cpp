// examscore: scores one Word, Excel or Windows question with the same scorer entry as the exam host and
// prints the result, for question authors checking criteria files and for tests.
#include <filesystem>
#include <iostream>

#include "automation/office_backend.h"
#include "command_line.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "score_report.h"
#include "scoring/question_dispatcher.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitScored = 0;
constexpr int kExitUsage = 2;
constexpr int kExitScorerError = 3;

std::string InsideAbsolute(const std::string& path) {
  std::error_code ignored;
  return InsidePath(fs::absolute(path, ignored).lexically_normal().string());
}

// The web root as the scorers expect it, ending in a backslash.
std::string WebRootOf(const ScoreCommand& command) {
  std::string folder = command.webRoot;
  if (folder.empty()) folder = fs::absolute(command.criteria).lexically_normal().parent_path() / ".." / "..";
  std::string root = InsideAbsolute(folder);
  return root.ends_with('\\') ? root : root + "\\";
}

}  // namespace

int main(int argc, char** argv) {
  auto command = ParseScoreCommand(std::vector<std::string>(argv + 1, argv + argc));
  if (!command) {
    std::cerr << USAGE_TEXT;
    return kExitUsage;
  }
  ScorerContext context{WebRootOf(*command), OfficeWordStarter(), OfficeExcelStarter()};
  std::string document = command->document.empty() ? std::string() : InsideAbsolute(command->document);
  std::string feedback;
  ScorerOutcome outcome =
      CallScorer(ScorerEntry(context), command->type, document, InsideAbsolute(command->criteria), feedback);

  ScoreReport report{command->type, outcome.result, outcome.maximum, outcome.achieved,
                     ResultStatus(outcome.maximum, outcome.achieved), AnsiToUtf8(feedback),
                     outcome.error};
  std::cout << (command->json ? ReportJson(report) : ReportText(report));
  return outcome.error ? kExitScorerError : kExitScored;
}
