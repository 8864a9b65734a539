#include "scorers/word/word_criteria.h"

#include <cctype>
#include <cstdlib>

#include "scoring/message_file.h"

namespace {

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
  return at;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t integerEnd = SkipDigits(text, at);
  size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  if (end - at == 0 || (end - at == 1 && integerEnd == at)) return 0;  // no digit at all
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  // Only the checked characters reach strtod, so it cannot take hexadecimal, "inf" or "nan" forms.
  return std::strtod(std::string(text.substr(start, end - start)).c_str(), nullptr);
}

void WordRuleRun::AddScore(std::string_view section, std::string_view key) {
  score += LeadingNumber(ReadIniString(criteriaPath, section, key, "", SCORE_SIZE));
}

void WordRuleRun::AddItem(const std::string& label, std::string_view messageKey) {
  feedback += label;
  feedback += MessageText(messages, messageKey);
  feedback += ITEM_END;
}
