#pragma once
// The Word route of the document text reader: appends the text of every paragraph of a Word document
// (each ending with character 13) to `text`. Returns 0 when read, -1 when Word could not be started.
#include <string>

#include "scoring/scorer_entry.h"

int ReadWordDocumentText(const WordStarter& startWord, const std::string& path, std::string& text);
