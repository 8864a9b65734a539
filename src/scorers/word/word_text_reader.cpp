#include "scorers/word/word_text_reader.h"

#include "scorers/word/word_session.h"

int ReadWordDocumentText(const WordStarter& startWord, const std::string& path, std::string& text) {
  // The session ends Word when it goes out of scope, also when an AutomationError leaves this function.
  std::unique_ptr<WordSession> word = startWord ? startWord() : nullptr;
  if (!word) return -1;
  std::unique_ptr<WordDocument> document = word->Documents()->Add(path);
  std::unique_ptr<WordSelection> selection = word->Selection();
  selection->WholeStory();
  std::unique_ptr<WordParagraphs> paragraphs = selection->Paragraphs();
  int count = paragraphs->Count();
  for (int k = 1; k <= count; ++k) text += paragraphs->Item(k)->Range()->Text();
  return 0;
}
