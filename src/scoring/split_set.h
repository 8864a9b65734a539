#pragma once
// A comma list as a set: cut as SplitString cuts it, each piece entered once, compared exactly (case
// matters) and iterated in byte order.
#include <set>
#include <string>
#include <string_view>

std::set<std::string> SplitSet(std::string_view text, char separator);
