#pragma once
// The one-key checks the title and inserted-row rules share: [section] key holds the expected value, the
// points key is [score] section_key and the message key is the key's own name. An absent integer key or
// an empty text key turns the check off, and a check that is off holds. `actual` is read only when on.
#include <string>
#include <string_view>

#include "app/mbcs.h"
#include "scorers/excel/excel_run.h"

template <class Read>
bool IntKeyCheck(ExcelRun& run, std::string_view section, std::string_view key, std::string_view label,
                 Read actual) {
  int expected = run.Int(section, key);
  if (expected == SCORE_ABSENT) return true;
  return run.Check(actual() == expected, std::string(section) + "_" + std::string(key), label, key);
}

// The expected text is compared with its blanks at both ends removed.
template <class Read>
bool TextKeyCheck(ExcelRun& run, std::string_view section, std::string_view key, std::string_view label,
                  Read actual) {
  std::string expected(TrimBlanks(run.Text(section, key)));
  if (expected.empty()) return true;
  return run.Check(actual() == expected, std::string(section) + "_" + std::string(key), label, key);
}
