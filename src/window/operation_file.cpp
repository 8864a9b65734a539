#include "window/operation_file.h"

#include "platform/shell_open.h"
#include "window/folder_name.h"
#include "window/split_string.h"
#include "window/web_root.h"

std::optional<std::string> OperationFilePath(const std::string& webRoot, const std::string& argument) {
  std::vector<std::string> pieces = SplitString(argument, '|');
  std::string path = webRoot + "operation\\";
  for (size_t i = 0; i < pieces.size(); ++i) {
    bool last = i + 1 == pieces.size();
    if (!IsFolderName(pieces[i]) && !(last && pieces[i].empty())) return std::nullopt;
    path += pieces[i];
    if (!last) path += '\\';
  }
  return path;
}

void OpenOperationFile(const std::string& argument) {
  if (auto path = OperationFilePath(WebRoot(), argument)) ShellOpen(*path);
}
