#pragma once
// Names taken from a page or a question list and placed into a path below a fixed folder (operation\,
// score\). Such a name must not lead out of that folder.
#include <string_view>

// True for a name of one file or folder inside its folder: not empty, not made only of dots and blanks
// (".", "..", and what Windows trims to them), and holding no '\', '/', ':' (drive letter or stream) or
// control character of its own. The second byte of a double-byte character is not a separator.
bool IsFolderName(std::string_view name);
