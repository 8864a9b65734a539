#pragma once
// Starting another program of the install tree and leaving it running on its own.
#include <string>

// Starts `program` (an inside path) without arguments, in `folder`, in a normal window, and does not wait
// for it: it keeps running after this process ends. False when it could not be started.
bool StartProgram(const std::string& program, const std::string& folder);
