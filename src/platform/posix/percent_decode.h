#pragma once
// Percent-decoding of file URLs and trash-info paths (%20 -> ' '); a '%' not followed by two hex digits
// stays as it is.
#include <string>
#include <string_view>

std::string PercentDecoded(std::string_view text);
