#pragma once
// The values the paragraph rules compare, read from one document paragraph: texts in the forms the
// criteria files write them ("%f", "%06f", "%06x"), integers as Word reports them.
#include <string>

#include "scorers/word/word_session.h"

struct ParagraphValues {
  std::string text;  // the range text without the white space at both ends
  std::string size;
  std::string fontName;
  int bold = 0;
  int italic = 0;
  std::string lineSpacing;
  std::string leftIndent;
  std::string rightIndent;
  int alignment = 0;
  std::string color;
  int emboss = 0;
  std::string kerning;
  std::string spacing;
  int scaling = 0;
  int texture = 0;
  int backgroundPattern = 0;
  int foregroundPattern = 0;
  std::string firstLineIndent;
  int underline = 0;
  std::string spaceAfter;
  std::string spaceBefore;
};

// The paragraph's text without the white space at both ends (one call, so empty paragraphs cost little).
std::string ParagraphText(WordRange& range);

// Every value but the text, which the caller has read already.
void ReadParagraphValues(WordParagraph& paragraph, WordRange& range, ParagraphValues& values);
