#pragma once
// The arguments of examscore:
//   examscore word DOCUMENT CRITERIA | excel DOCUMENT CRITERIA | windows CRITERIA  [--webroot DIR] [--json]
// Options may stand before or after the arguments.
#include <optional>
#include <string>
#include <vector>

struct ScoreCommand {
  std::string type;
  std::string document;  // empty for windows
  std::string criteria;
  std::string webRoot;  // empty: the folder two levels above the criteria file's folder
  bool json = false;
};

// nullopt for a usage error.
std::optional<ScoreCommand> ParseScoreCommand(const std::vector<std::string>& arguments);

inline constexpr const char* USAGE_TEXT =
    "usage: examscore word DOCUMENT CRITERIA [--webroot DIR] [--json]\n"
    "       examscore excel DOCUMENT CRITERIA [--webroot DIR] [--json]\n"
    "       examscore windows CRITERIA [--webroot DIR] [--json]\n"
    "Scores one question with the exam host's scorers. DIR is the web root whose score/info/ holds the\n"
    "message-text files (default: two levels above the criteria file's folder).\n"
    "Exit status: 0 scored, 3 an error left the scorer, 2 usage error.\n";
