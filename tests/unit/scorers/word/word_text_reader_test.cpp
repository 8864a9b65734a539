#include "scorers/word/word_text_reader.h"

#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "automation/model/word_model.h"

namespace {

TEST(ReadWordDocumentText, AppendsEveryParagraphWithItsMark) {
  WordModel word;
  WordDocumentModel& document = word.File("C:\\WORK\\a.doc");
  for (const char* text : {"one", "", "three"}) document.AddParagraph(text);
  std::string text = "kept:";
  EXPECT_EQ(ReadWordDocumentText(word.Starter(), "C:\\WORK\\a.doc", text), 0);
  EXPECT_EQ(text, "kept:one\r\rthree\r");
  EXPECT_EQ(word.Running(), 0);
}

TEST(ReadWordDocumentText, FailuresEndWord) {
  WordModel word;
  std::string text = "kept";
  EXPECT_THROW(ReadWordDocumentText(word.Starter(), "C:\\WORK\\none.doc", text), AutomationError);
  EXPECT_EQ(word.Started(), 1);
  EXPECT_EQ(word.Running(), 0);
  word.startable = false;
  EXPECT_EQ(ReadWordDocumentText(word.Starter(), "C:\\WORK\\none.doc", text), -1);
  EXPECT_EQ(ReadWordDocumentText(nullptr, "C:\\WORK\\none.doc", text), -1);
  EXPECT_EQ(text, "kept");
}

}  // namespace
