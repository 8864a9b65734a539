#pragma once
// The paragraph rules: every text paragraph after the first is matched by its opening text to a criteria
// paragraph of section paragraph and checked against that paragraph's section; the paragraph-count rule
// ends the family.
#include <string>

#include "scorers/word/word_criteria.h"
#include "scorers/word/word_session.h"

// Runs the paragraph rules. The paragraph-count item goes straight to `callerFeedback`, ahead of every
// item of the run. With a table in the document the walk ends after the first matched paragraph.
void RunParagraphRules(WordRuleRun& run, std::string& callerFeedback, WordSelection& selection, bool hasTable);
