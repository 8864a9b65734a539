#pragma once
// File attributes in the Windows bit layout.
#include <string>

inline constexpr unsigned ATTRIBUTE_READONLY = 0x01;
inline constexpr unsigned ATTRIBUTE_HIDDEN = 0x02;
inline constexpr unsigned ATTRIBUTE_SYSTEM = 0x04;
inline constexpr unsigned ATTRIBUTE_ARCHIVE = 0x20;

// The attributes of a file or folder, cut to their low 7 bits; 0 when they cannot be read. On Linux:
// hidden when the name begins with '.', read-only when nobody may write it, and every bit the DOS
// attribute extended attribute user.DOSATTRIB (as Samba writes it, "0x..." text first) carries.
unsigned GetFileAttributeBits(const std::string& path);
