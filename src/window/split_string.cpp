#include "window/split_string.h"

#include "app/mbcs.h"

std::vector<std::string> SplitString(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::string_view rest = TrimBlanks(text);
  if (rest.empty()) return pieces;
  while (!rest.empty()) {
    size_t at = FindChar(rest, separator);
    if (at == std::string_view::npos || at == 0) break;
    pieces.emplace_back(rest.substr(0, at));
    rest.remove_prefix(at + 1);
  }
  pieces.emplace_back(rest);
  return pieces;
}
