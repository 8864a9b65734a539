#include "scoring/split_set.h"

#include "window/split_string.h"

std::set<std::string> SplitSet(std::string_view text, char separator) {
  // std::string compares as unsigned bytes, which orders a double-byte character by its lead byte first,
  // the same as comparing it as one unit.
  std::set<std::string> set;
  for (std::string& piece : SplitString(text, separator)) set.insert(std::move(piece));
  return set;
}
