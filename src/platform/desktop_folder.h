#pragma once
// The current user's desktop folder.
#include <string>

// The desktop folder as an inside path, without a trailing backslash. On Linux this is the XDG desktop
// directory (XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop); it is not created.
std::string GetDesktopFolder();
