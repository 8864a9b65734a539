#pragma once
// The calling contract shared by the three scorers. A scorer reads its criteria file, appends feedback
// items (each ending in "<br>") to `feedback`, and returns 0 when the question was scored, -2 when a file
// it needs is missing, -1 when the Office program it needs could not be started. The caller sets
// `maximum` and `achieved` to 0 before the call.
#include <functional>
#include <memory>
#include <string>

class WordSession;
class ExcelSession;

// Starts a new Office instance for one scorer call; nullptr when it could not be started. The scorer owns
// the instance and ends it before it returns, also when an AutomationError leaves it.
using WordStarter = std::function<std::unique_ptr<WordSession>()>;
using ExcelStarter = std::function<std::unique_ptr<ExcelSession>()>;

// What a scorer needs from its caller besides the question's files: the exam site's root folder (ending
// in a backslash; its score\info\ holds the message-text files) and the Office backends. No scorer reads
// the configuration file itself, so the host and the command-line scorer share them.
struct ScorerContext {
  std::string webRoot;
  WordStarter startWord;
  ExcelStarter startExcel;
};

int ScoreWord(const ScorerContext& context, const std::string& documentPath, const std::string& criteriaPath,
              int& maximum, int& achieved, std::string& feedback);
int ScoreExcel(const ScorerContext& context, const std::string& documentPath, const std::string& criteriaPath,
               int& maximum, int& achieved, std::string& feedback);
int ScoreWindows(const ScorerContext& context, const std::string& criteriaPath, int& maximum, int& achieved,
                 std::string& feedback);
