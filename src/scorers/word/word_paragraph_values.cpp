#include "scorers/word/word_paragraph_values.h"

#include "app/mbcs.h"
#include "scorers/word/word_criteria.h"

namespace {

std::string Points(float value) { return Format("%f", static_cast<double>(value)); }

}  // namespace

std::string ParagraphText(WordRange& range) { return std::string(TrimBlanks(range.Text())); }

void ReadParagraphValues(WordParagraph& paragraph, WordRange& range, ParagraphValues& values) {
  std::unique_ptr<WordFont> font = range.Font();
  std::unique_ptr<WordShading> shading = font->Shading();
  values.size = Points(font->Size());
  values.fontName = font->Name();
  values.bold = font->Bold();
  values.italic = range.Italic();
  values.lineSpacing = Format("%06f", static_cast<double>(paragraph.LineSpacing()));
  values.leftIndent = Points(paragraph.LeftIndent());
  values.rightIndent = Points(paragraph.RightIndent());
  values.alignment = paragraph.Alignment();
  values.color = Format("%06x", font->Color());
  values.emboss = font->Emboss();
  values.kerning = Points(font->Kerning());
  values.spacing = Points(font->Spacing());
  values.scaling = font->Scaling();
  values.texture = shading->Texture();
  values.backgroundPattern = shading->BackgroundPatternColorIndex();
  values.foregroundPattern = shading->ForegroundPatternColorIndex();
  values.firstLineIndent = Points(paragraph.FirstLineIndent());
  values.underline = font->Underline();
  values.spaceAfter = Points(paragraph.SpaceAfter());
  values.spaceBefore = Points(paragraph.SpaceBefore());
}
