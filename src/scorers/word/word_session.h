#pragma once
// The Word operations the scorers use, shaped like Word's object model: the application (WordSession)
// gives its documents and its selection; the selection gives the tables and paragraphs of the document;
// tables give rows, cells and borders; ranges give text, fonts, paragraph formats and inline shapes.
//
// Values are the ones Word reports through automation: integers are 32-bit (Word's enumerations, colours
// as 0x00BBGGRR with automatic = -16777216, tri-state Booleans -1 / 0 / 9999999), sizes, indents and
// spacings are single-precision points, texts are in the ANSI code page (GBK). Collections count from 1.
//
// Every failing call, an index Word would reject included, raises AutomationError. A child object is owned
// by its caller and stays valid as long as the session lives; callers release children before the
// session. Destroying the session ends the Word instance without saving anything, on every path, errors
// included; the destructor itself never throws.
#include <memory>
#include <string>

#include "automation/automation_error.h"

class WordShading {
 public:
  virtual ~WordShading() = default;
  virtual int ForegroundPatternColorIndex() = 0;
  virtual int BackgroundPatternColorIndex() = 0;
  virtual int Texture() = 0;
};

class WordFont {
 public:
  virtual ~WordFont() = default;
  virtual int Bold() = 0;
  virtual int Italic() = 0;
  virtual int Underline() = 0;
  virtual int Scaling() = 0;
  virtual int Emboss() = 0;
  virtual int Color() = 0;
  virtual float Size() = 0;
  virtual float Spacing() = 0;
  virtual float Kerning() = 0;
  virtual std::string Name() = 0;
  virtual std::unique_ptr<WordShading> Shading() = 0;
};

class WordParagraphFormat {
 public:
  virtual ~WordParagraphFormat() = default;
  virtual int Alignment() = 0;
};

class WordPictureFormat {
 public:
  virtual ~WordPictureFormat() = default;
  virtual float Brightness() = 0;
};

class WordInlineShape {
 public:
  virtual ~WordInlineShape() = default;
  virtual float Height() = 0;
  virtual float Width() = 0;
  virtual std::unique_ptr<WordPictureFormat> PictureFormat() = 0;
};

class WordInlineShapes {
 public:
  virtual ~WordInlineShapes() = default;
  virtual int Count() = 0;
  virtual std::unique_ptr<WordInlineShape> Item(int index) = 0;
};

// A stretch of the document: a paragraph's range ends with character 13, a table cell's with 13 and 7.
class WordRange {
 public:
  virtual ~WordRange() = default;
  virtual std::string Text() = 0;
  virtual int Italic() = 0;
  virtual std::unique_ptr<WordFont> Font() = 0;
  virtual std::unique_ptr<WordParagraphFormat> ParagraphFormat() = 0;
  virtual std::unique_ptr<WordInlineShapes> InlineShapes() = 0;
};

class WordParagraph {
 public:
  virtual ~WordParagraph() = default;
  virtual std::unique_ptr<WordRange> Range() = 0;
  virtual int Alignment() = 0;
  virtual float RightIndent() = 0;
  virtual float LeftIndent() = 0;
  virtual float FirstLineIndent() = 0;
  virtual float LineSpacing() = 0;
  virtual float SpaceBefore() = 0;
  virtual float SpaceAfter() = 0;
};

class WordParagraphs {
 public:
  virtual ~WordParagraphs() = default;
  virtual int Count() = 0;
  virtual std::unique_ptr<WordParagraph> Item(int index) = 0;
};

class WordBorder {
 public:
  virtual ~WordBorder() = default;
  virtual int ColorIndex() = 0;
  virtual int LineWidth() = 0;
};

class WordBorders {
 public:
  virtual ~WordBorders() = default;
  virtual std::unique_ptr<WordBorder> Item(int index) = 0;
};

class WordCell {
 public:
  virtual ~WordCell() = default;
  virtual std::unique_ptr<WordRange> Range() = 0;
  virtual std::unique_ptr<WordShading> Shading() = 0;
  virtual float Width() = 0;
  virtual float Height() = 0;
};

class WordCells {
 public:
  virtual ~WordCells() = default;
  virtual int Count() = 0;
  virtual std::unique_ptr<WordCell> Item(int index) = 0;
};

class WordRow {
 public:
  virtual ~WordRow() = default;
  virtual std::unique_ptr<WordCells> Cells() = 0;
};

class WordRows {
 public:
  virtual ~WordRows() = default;
  virtual int Count() = 0;
  virtual std::unique_ptr<WordRow> Item(int index) = 0;
};

class WordColumns {
 public:
  virtual ~WordColumns() = default;
  virtual int Count() = 0;
};

class WordTable {
 public:
  virtual ~WordTable() = default;
  virtual std::unique_ptr<WordColumns> Columns() = 0;
  virtual std::unique_ptr<WordRows> Rows() = 0;
  virtual std::unique_ptr<WordBorders> Borders() = 0;
};

class WordTables {
 public:
  virtual ~WordTables() = default;
  virtual int Count() = 0;
  virtual std::unique_ptr<WordTable> Item(int index) = 0;
};

// Until WholeStory the selection is the insertion point at the start of the document. Its paragraphs, as
// Word counts them, include those inside tables: each cell's paragraph (the last one of a cell ends with
// 13 and 7) and each row's end-of-row mark (text 13 and 7).
class WordSelection {
 public:
  virtual ~WordSelection() = default;
  // Makes the selection cover the whole main text, so that Tables and Paragraphs cover the document.
  virtual void WholeStory() = 0;
  virtual std::unique_ptr<WordTables> Tables() = 0;
  virtual std::unique_ptr<WordParagraphs> Paragraphs() = 0;
};

// A document opened by Documents.Add. The scorers only hold it while they read the selection.
class WordDocument {
 public:
  virtual ~WordDocument() = default;
};

class WordDocuments {
 public:
  virtual ~WordDocuments() = default;
  // A new, unsaved document built on the file at `path` (an inside path); the file is never changed. It
  // becomes the active document, whose selection Application.Selection gives.
  virtual std::unique_ptr<WordDocument> Add(const std::string& path) = 0;
};

// One running Word instance (the Application object). Destroying it ends the instance without saving.
class WordSession {
 public:
  virtual ~WordSession() = default;
  virtual std::unique_ptr<WordDocuments> Documents() = 0;
  virtual std::unique_ptr<WordSelection> Selection() = 0;
};
