#pragma once
// The rules that look at what a matched paragraph holds: its length, the count of a token, an inline
// picture with its size and brightness.
#include <cstdint>
#include <string>
#include <string_view>

#include "scorers/word/word_criteria.h"
#include "scorers/word/word_session.h"

// Occurrences of `token` in `text`, not overlapping, counted up to `limit` at most. An empty token is
// found at every position, so it always reaches the limit.
int CountTokens(std::string_view text, std::string_view token, int64_t limit);

// Length rule: the byte length of the text equals wcount.
void ApplyLengthRule(WordRuleRun& run, const std::string& section, const std::string& text);
// Token rule: token occurs exactly tokennumber times.
void ApplyTokenRule(WordRuleRun& run, const std::string& section, const std::string& text);
// Picture rule, when picture is 1: inline picture number itemindex of the paragraph, with its height,
// width and brightness.
void ApplyPictureRule(WordRuleRun& run, const std::string& section, const std::string& label, WordRange& range);
