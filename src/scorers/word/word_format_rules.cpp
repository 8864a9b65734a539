#include "scorers/word/word_format_rules.h"

#include "app/texts.h"
#include "scorers/word/word_content_rules.h"

namespace {

// A rule of one section: the expected value under `key`, the feedback text under `message`, the points
// under `score`.
struct Rule {
  WordRuleRun& run;
  const std::string& section;
  const std::string& label;

  // A text key applies when it is not empty and is compared byte for byte.
  void Text(const char* key, const std::string& value, const char* message, const char* score,
            const std::string& prefix = "") const {
    std::string expected = run.Read(section, key);
    if (expected.empty()) return;
    Judge(expected == value, message, score, prefix);
  }
  // An integer key applies when it is present.
  void Integer(const char* key, int value, const char* message, const char* score) const {
    int expected = run.ReadInt(section, key);
    if (expected != INT_ABSENT) Judge(expected == value, message, score);
  }
  // Space after and space before pass together; space before alone has no rule.
  void Spaces(const ParagraphValues& values) const {
    std::string after = run.Read(section, "spaceafter");
    if (after.empty()) return;
    bool equal = after == values.spaceAfter && run.Read(section, "spacebefore") == values.spaceBefore;
    Judge(equal, "space", "score_spaceafter");
  }
  void Judge(bool equal, const char* message, const char* score, const std::string& prefix = "") const {
    if (equal) {
      run.AddScore(section, score);
    } else {
      run.AddItem(label + prefix, message);
    }
  }
};

}  // namespace

void ApplyParagraphRules(WordRuleRun& run, const std::string& section, const std::string& label,
                         const ParagraphValues& values, WordRange& range) {
  Rule rule{run, section, label};
  rule.Text("size", values.size, "size", "score_size");
  rule.Text("kerning", values.kerning, "kerning", "score_kerning");
  rule.Text("spacing", values.spacing, "spacing", "score_spacing");
  rule.Text("fontname", values.fontName, "font", "score_fontname");
  rule.Integer("emboss", values.emboss, "emboss", "score_emboss");
  rule.Text("color", values.color, "color", "score_color");
  rule.Text("leftindent", values.leftIndent, "leftindent", "score_leftindent");
  rule.Text("rightindent", values.rightIndent, "rightindent", "score_rightindent");
  rule.Integer("alignment", values.alignment, "align", "score_alignment");
  rule.Spaces(values);
  rule.Text("linespace", values.lineSpacing, "space", "score_linespace");
  rule.Text("firstlineindent", values.firstLineIndent, "indent", "score_firstlineindent", AnsiText(WORD_FIRST_LINE));
  ApplyLengthRule(run, section, values.text);
  rule.Integer("scaling", values.scaling, "scaling", "score_scaling");
  rule.Integer("underline", values.underline, "underline", "score_underline");
  rule.Integer("texture", values.texture, "texture", "score_texture");
  rule.Integer("texture_bgp", values.backgroundPattern, "texture_bgp", "score_texture_bgp");
  rule.Integer("texture_fgp", values.foregroundPattern, "texture_fgp", "score_texture_fgp");
  rule.Integer("bold", values.bold, "bold", "score_bold");
  rule.Integer("italic", values.italic, "italic", "score_italic");
  ApplyTokenRule(run, section, values.text);
  ApplyPictureRule(run, section, label, range);
}
