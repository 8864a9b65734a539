#pragma once
// Opening a document or folder with the program the system associates with it.
#include <string>

// Asks the system to open `path` (an inside path) and returns at once; the program started is not waited
// for and its outcome is not examined.
void ShellOpen(const std::string& path);
