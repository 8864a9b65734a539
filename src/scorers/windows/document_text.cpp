#include "scorers/windows/document_text.h"

#include "platform/files.h"
#include "scorers/word/word_text_reader.h"
#include "window/split_string.h"

int ReadDocumentText(const WordStarter& startWord, const std::string& path, std::string& text) {
  if (!PathExists(path)) return -2;
  // The piece after the first dot decides, exactly as written: "DOC", "docx" or a dot in a folder name
  // make a plain file.
  std::vector<std::string> pieces = SplitString(path, '.');
  if (pieces.size() >= 2 && pieces[1] == "doc") return ReadWordDocumentText(startWord, path, text);
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return -2;
  text = bytes.substr(0, bytes.find('\0'));
  return 0;
}
