#pragma once
// Shortcuts: where a shortcut file points.
#include <string>

// Loads the shortcut at `linkPath` (an inside path) and stores the path it points to, as an inside path
// of at most 259 characters, in `target`. False when the file cannot be loaded as a shortcut; a shortcut
// that holds no path gives true and an empty target. On Linux a shortcut is a Shell Link (.lnk) file, a
// symbolic link or a .desktop file (its URL, or the program of its Exec line).
bool ResolveShortcut(const std::string& linkPath, std::string& target);
