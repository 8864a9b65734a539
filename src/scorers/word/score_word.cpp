#include "scoring/scorer_entry.h"

// Word questions cannot be scored yet: the Word rules are not built.
int ScoreWord(const ScorerContext&, const std::string&, const std::string&, int&, int&, std::string&) {
  return -1;
}
