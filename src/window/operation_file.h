#pragma once
// The open-operation-file command: argument "word|1001.doc" opens <web root>operation\word\1001.doc with
// the program the system associates with it; an empty argument opens the operation folder itself.
#include <optional>
#include <string>

// The path the argument names below <webRoot>operation\. Every piece but the last must be a folder name,
// the last a name or empty (the folder itself); nullopt when a piece would lead out of operation\.
std::optional<std::string> OperationFilePath(const std::string& webRoot, const std::string& argument);

// Opens the file the argument names below the web root of the running program, and returns without
// waiting. A refused argument opens nothing.
void OpenOperationFile(const std::string& argument);
