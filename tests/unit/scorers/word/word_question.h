#pragma once
// A Word question for the scorer tests: a web root in a temporary folder with a candidate's document (on
// disk for PathExists, in the in-memory Word for its content), a criteria file and a message-text file
// whose text for every key k is "[k]". Texts are written in UTF-8 here and stored in the ANSI code page.
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "automation/model/word_model.h"
#include "support/temp_folder.h"

// A UTF-8 text in the ANSI code page.
std::string G(const std::string& utf8);

struct WordScore {
  int result = 0;
  int maximum = 0;
  int achieved = 0;
  std::string feedback;  // back in UTF-8
};

class WordQuestion {
 public:
  WordQuestion();

  std::string WebRoot() const { return folder_.Inside() + "\\"; }
  std::string DocumentPath() const { return WebRoot() + "operation\\12\\word\\1001.doc"; }
  std::string CriteriaPath() const { return WebRoot() + "score\\word\\1001.ini"; }

  // The candidate's document as Word sees it.
  WordDocumentModel& Document() { return word.File(DocumentPath()); }
  // Writes the criteria file: [msg] path naming the message-text file, then `ini`.
  void Criteria(const std::string& ini);
  // Scores the question with `feedback` as the caller's text.
  WordScore Score(const std::string& feedback = "");

  WordModel word;

 private:
  TempFolder folder_;
};

// One row of a rule table: a document, a criteria file, the feedback (UTF-8) and the score they give.
struct RuleCase {
  const char* name;
  std::function<void(WordDocumentModel&)> build;
  const char* criteria;
  const char* feedback;
  int achieved;
};

void PrintTo(const RuleCase& c, std::ostream* out);
std::string CaseName(const testing::TestParamInfo<RuleCase>& info);

// Scores the case's question and checks the result, the feedback and the achieved score.
void ExpectScore(const RuleCase& c);
