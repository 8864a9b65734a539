#pragma once
// Reader of the Shell Link binary format (.lnk files), written for the shortcut queries on systems
// without a shell link object. It reads only what locating the target needs and trusts no size or offset
// in the file.
#include <optional>
#include <string>
#include <string_view>

// The target path a shell link holds, in the ANSI code page: the link information's local base path and
// common path suffix (the Unicode forms when present), a network share's name and suffix, or else the
// path spelled by the item ID list. Empty when the link names no path; nullopt when `bytes` is not a
// complete shell link.
std::optional<std::string> ShellLinkTarget(std::string_view bytes);
