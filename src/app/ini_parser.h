#pragma once
// Reading and editing INI text with the conventions of Windows private-profile files: names match without
// regard to case; the first matching section and the first matching key in it win; blanks around names
// and values are removed; one pair of matching quotes around a value is removed; only a line that begins
// with ';' is a comment; a key line is split at its first '='; a line without '=' is no key; "[Name" without
// its ']' is no section header. A file that begins with a UTF-8 or UTF-16 byte-order mark is read in that
// encoding, and its names and values are handled in the ANSI code page.
#include <optional>
#include <string>
#include <string_view>

// The value of `key` in `section`, or nothing when there is no such key.
std::optional<std::string> IniFindValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// Reads an integer the way the system reads INI integers: blanks skipped, an optional minus sign, then the
// leading decimal digits (none reads 0; the value wraps around as a 32-bit number). False for an empty
// value, which counts as absent.
bool IniParseInt(std::string_view value, int& out);

// `content` with `key` in `section` set to `value`. An existing value is replaced where it stands, a
// missing key is added at the end of its section, a missing section at the end of the text; every other
// byte stays as it was. Nothing when the text cannot be edited safely (a UTF-16 file).
std::optional<std::string> IniSetValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value);
