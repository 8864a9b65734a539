#pragma once
// The rules of one criteria paragraph's section "p<n>", applied to the document paragraph it matched, in
// the order of the rule table: character and paragraph formats, length, token count, picture.
#include <string>

#include "scorers/word/word_criteria.h"
#include "scorers/word/word_paragraph_values.h"
#include "scorers/word/word_session.h"

void ApplyParagraphRules(WordRuleRun& run, const std::string& section, const std::string& label,
                         const ParagraphValues& values, WordRange& range);
