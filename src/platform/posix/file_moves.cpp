#include "platform/file_moves.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "platform/files.h"

bool RenameFile(const std::string& from, const std::string& to, bool replace) {
  std::string source = NativePath(from);
  std::string target = NativePath(to);
  if (replace) return rename(source.c_str(), target.c_str()) == 0;
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  // A file system without that flag: a hard link also refuses an existing name.
  if (errno != EINVAL || link(source.c_str(), target.c_str()) != 0) return false;
  unlink(source.c_str());
  return true;
}

bool RemoveFile(const std::string& path) { return unlink(NativePath(path).c_str()) == 0; }
