#include "scorers/windows/document_text.h"

#include <gtest/gtest.h>

#include "scorers/word/word_session.h"
#include "support/temp_folder.h"

namespace {

TEST(ReadDocumentText, PlainFilesReplaceTheTextUpToTheFirstZeroByte) {
  TempFolder folder;
  folder.Write("a.txt", std::string("one\r\ntwo\0three", 14));
  folder.Write("b.DOC", "upper-case doc is plain");
  folder.Write("c.docx", "docx is plain");
  folder.Write("x.doc/d.txt", "a dot in a folder");  // second piece "doc/d": plain
  folder.Write("sub/e.doc", "word document");
  WordStarter noWord = [] { return std::unique_ptr<WordSession>(); };
  struct {
    const char* file;
    int result;
    const char* text;
  } cases[] = {
      {"\\a.txt", 0, "one\r\ntwo"},
      {"\\b.DOC", 0, "upper-case doc is plain"},
      {"\\c.docx", 0, "docx is plain"},
      {"\\x.doc\\d.txt", 0, "a dot in a folder"},
      {"\\missing.txt", -2, "before"},
      {"\\sub", -2, "before"},  // exists but is no readable file
      {"\\sub\\e.doc", -1, "before"},  // the Word route, and Word does not start
  };
  for (const auto& c : cases) {
    std::string text = "before";
    EXPECT_EQ(ReadDocumentText(noWord, folder.Inside() + c.file, text), c.result) << c.file;
    EXPECT_EQ(text, c.text) << c.file;
  }
}

}  // namespace
