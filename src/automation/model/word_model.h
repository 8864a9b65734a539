#pragma once
// An in-memory stand-in for Word: documents built in a few lines of test code, answered through
// WordSession as Word answers for the same document. Texts are given in the ANSI code page and without
// their paragraph marks; the session adds 13 to a paragraph's text and 13, 7 to a cell's. The defaults are
// the values Word reports for plain text: automatic colour, 10.5 points, single line spacing.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "scoring/scorer_entry.h"

struct WordShadingModel {
  int texture = 0;
  int backgroundPatternColorIndex = 0;
  int foregroundPatternColorIndex = 0;
};

struct WordFontModel {
  std::string name = "Times New Roman";
  float size = 10.5f;
  int bold = 0;
  int italic = 0;
  int underline = 0;
  int scaling = 100;
  int emboss = 0;
  int color = -16777216;
  float spacing = 0;
  float kerning = 0;
  WordShadingModel shading;
};

struct WordPictureModel {
  float width = 0;
  float height = 0;
  float brightness = 0.5f;
};

struct WordParagraphModel {
  std::string text;
  WordFontModel font;
  int alignment = 0;
  float leftIndent = 0;
  float rightIndent = 0;
  float firstLineIndent = 0;
  float lineSpacing = 12;
  float spaceBefore = 0;
  float spaceAfter = 0;
  std::vector<WordPictureModel> pictures;
};

// A cell holds one paragraph; its height reads as Word's "undefined" until it is set, as for a row whose
// height is automatic.
struct WordCellModel {
  WordParagraphModel paragraph;
  WordShadingModel shading;
  float width = 0;
  float height = 9999999;
};

struct WordTableModel {
  std::vector<std::vector<WordCellModel>> rows;
  int borderColorIndex = 0;
  int borderLineWidth = 4;

  // The cell at row i, column j, counted from 1.
  WordCellModel& Cell(int i, int j) { return rows.at(i - 1).at(j - 1); }
  // Word counts the columns of the widest row.
  int ColumnCount() const;
};

// A document: paragraphs and tables in the order they were added. Like Word, it always has a paragraph
// after its last table, and at least one paragraph.
class WordDocumentModel {
 public:
  WordParagraphModel& AddParagraph(std::string text);
  WordTableModel& AddTable(int rows, int columns);

  // What Selection.Paragraphs covers after WholeStory: body paragraphs, the paragraph of every cell
  // and every end-of-row mark, in document order. `cellEnds` tells which of them end with 13 and 7.
  void Paragraphs(std::vector<const WordParagraphModel*>& paragraphs, std::vector<bool>& cellEnds) const;
  std::vector<const WordTableModel*> Tables() const;
  bool StartsWithTable() const { return !blocks_.empty() && blocks_.front().table; }

 private:
  struct Block {
    bool table;
    size_t index;
  };
  std::deque<WordParagraphModel> paragraphs_;
  std::deque<WordTableModel> tables_;
  std::vector<Block> blocks_;
  WordParagraphModel mark_;  // the empty paragraph of a row end or of the document's end
};

// The Word program: the documents it can open, by inside path, and the instances it is running.
class WordModel {
 public:
  // The document Word finds at `path`; created empty on first use.
  WordDocumentModel& File(const std::string& path) { return files_[path]; }
  // Starts sessions on this model, or nullptr for every start once `startable` is false.
  WordStarter Starter();

  bool startable = true;
  int Started() const { return started_; }
  int Running() const { return running_; }

 private:
  friend class WordModelSession;
  std::map<std::string, WordDocumentModel> files_;
  int started_ = 0;
  int running_ = 0;
};
