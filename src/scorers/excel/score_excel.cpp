#include "scoring/scorer_entry.h"

// Excel questions cannot be scored yet: the Excel rules are not built.
int ScoreExcel(const ScorerContext&, const std::string&, const std::string&, int&, int&, std::string&) {
  return -1;
}
