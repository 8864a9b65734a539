#pragma once
// File-system services. Every path given to or returned by these functions is an inside path: a Windows
// path in the ANSI code page with backslashes. The POSIX layer maps it at the OS call (see NativePath).
#include <string>

// The running executable's folder, without a trailing backslash.
std::string GetExeFolder();

// True when a file or folder of that name exists. Trailing backslashes are ignored; a path longer than
// 259 characters names nothing.
bool PathExists(const std::string& path);

bool IsFolder(const std::string& path);

// Reads a whole regular file. False (and `bytes` untouched) for a folder or a file that cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Replaces a file's contents by writing beside it and renaming over it, so that readers see either the
// old or the new contents. False when the file could not be written; the old file then stays as it was.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// Creates one folder whose parent exists. False when it could not be created.
bool CreateFolder(const std::string& path);

// The OS form of an inside path (UTF-8 with '/' on POSIX, where "C:" is the user's home folder), and the
// inside form of an OS path.
std::string NativePath(const std::string& path);
std::string InsidePath(const std::string& nativePath);
