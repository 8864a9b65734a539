#pragma once
// Office processes seen from a test: those whose command line mentions a folder (an office started with
// its private profile below a test's own temporary folder names that folder in its arguments).
#include <string>
#include <vector>

std::vector<int> ProcessesMentioning(const std::string& text);
