#pragma once
// The text of a file named in a criteria file: a Word document (".doc" after the first dot of the path)
// read through Word, any other file taken as its bytes.
#include <string>

#include "scoring/scorer_entry.h"

// Returns 0 when read, -1 when Word did not start, -2 when the path does not exist (then `text` is left
// as it was). A plain file replaces `text` with its bytes up to the first zero byte; a Word document's
// paragraphs are appended to it. A plain file that exists but cannot be read counts as missing.
int ReadDocumentText(const WordStarter& startWord, const std::string& path, std::string& text);
