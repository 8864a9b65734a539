#include "scorers/word/word_text_reader.h"

// Word documents cannot be read yet: the Word session is not built.
int ReadWordDocumentText(const WordStarter&, const std::string&, std::string&) { return -1; }
