#pragma once
// The system's one list-splitting rule: the text is trimmed; pieces are cut at the separator until the
// text is empty, no separator is left, or the separator stands first (an empty field); whatever remains,
// even empty, is the last piece. Pieces are not trimmed: "a||b" gives "a" and "|b".
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitString(std::string_view text, char separator);
