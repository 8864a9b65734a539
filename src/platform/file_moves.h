#pragma once
// Renaming and removing files (inside paths).
#include <string>

// Renames a file. With `replace`, a file already bearing the new name is replaced; without it the rename
// fails when one exists.
bool RenameFile(const std::string& from, const std::string& to, bool replace);

// Removes a file. False when it could not be removed.
bool RemoveFile(const std::string& path);
