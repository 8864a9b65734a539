#pragma once
// The Recycle Bin (on Linux the freedesktop.org Trash).
#include <string>

// True when some item in the Recycle Bin shows exactly `name` (ANSI code page) as its display name. On
// Linux an item is a file in a trash folder's files/ with its .trashinfo in info/, and its display name
// is the last part of the original path (Path=, percent-decoded). The home trash and the trash folders
// of every mounted volume (.Trash/<uid> and .Trash-<uid>) are searched. False when no trash is readable.
bool IsInRecycleBin(const std::string& name);
