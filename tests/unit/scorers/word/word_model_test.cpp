#include "automation/model/word_model.h"

#include <gtest/gtest.h>

#include "scorers/word/word_session.h"

namespace {

std::string ParagraphTexts(WordSelection& selection) {
  std::unique_ptr<WordParagraphs> paragraphs = selection.Paragraphs();
  std::string texts;
  for (int k = 1; k <= paragraphs->Count(); ++k) texts += paragraphs->Item(k)->Range()->Text() + "|";
  return texts;
}

TEST(WordModel, AnswersLikeWord) {
  WordModel word;
  WordDocumentModel& document = word.File("C:\\a.doc");
  document.AddParagraph("Title");
  WordTableModel& table = document.AddTable(1, 2);
  table.Cell(1, 1).paragraph.text = "x";
  {
    std::unique_ptr<WordSession> session = word.Starter()();
    EXPECT_EQ(word.Running(), 1);
    EXPECT_THROW(session->Selection(), AutomationError);  // no document yet
    session->Documents()->Add("C:\\a.doc");
    std::unique_ptr<WordSelection> selection = session->Selection();
    EXPECT_EQ(ParagraphTexts(*selection), "Title\r|");  // the insertion point's paragraph
    EXPECT_EQ(selection->Tables()->Count(), 0);
    selection->WholeStory();
    // Cells, the end-of-row mark, and the paragraph Word keeps after a table.
    EXPECT_EQ(ParagraphTexts(*selection), "Title\r|x\r\a|\r\a|\r\a|\r|");
    std::unique_ptr<WordTable> first = selection->Tables()->Item(1);
    EXPECT_EQ(first->Rows()->Item(1)->Cells()->Item(2)->Range()->Text(), "\r\a");
    EXPECT_EQ(first->Columns()->Count(), 2);
    for (int bad : {0, 2}) {
      EXPECT_THROW(selection->Tables()->Item(bad), AutomationError);
      EXPECT_THROW(first->Rows()->Item(bad), AutomationError);
    }
    EXPECT_THROW(first->Rows()->Item(1)->Cells()->Item(3), AutomationError);
    EXPECT_THROW(selection->Paragraphs()->Item(6), AutomationError);
    EXPECT_THROW(first->Borders()->Item(0), AutomationError);
    EXPECT_EQ(first->Borders()->Item(-1)->LineWidth(), 4);
    EXPECT_THROW(session->Documents()->Add("C:\\missing.doc"), AutomationError);
  }
  EXPECT_EQ(word.Running(), 0);
  word.startable = false;
  EXPECT_EQ(word.Starter()(), nullptr);
}

TEST(WordModel, EmptyDocumentHasItsFirstParagraph) {
  WordModel word;
  word.File("C:\\empty.doc");
  std::unique_ptr<WordSession> session = word.Starter()();
  session->Documents()->Add("C:\\empty.doc");
  std::unique_ptr<WordSelection> selection = session->Selection();
  selection->WholeStory();
  EXPECT_EQ(ParagraphTexts(*selection), "\r|");
}

}  // namespace
