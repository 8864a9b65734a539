#include "word_question.h"

#include "platform/codepage.h"
#include "scoring/scorer_entry.h"

std::string G(const std::string& utf8) { return Utf8ToAnsi(utf8); }

WordQuestion::WordQuestion() {
  folder_.Write("operation/12/word/1001.doc", "candidate's document");
  std::string messages = "[msg]\n";
  for (const char* key : {"size", "kerning", "spacing", "font", "emboss", "color", "leftindent", "rightindent",
                          "align", "space", "indent", "scaling", "underline", "texture", "texture_bgp",
                          "texture_fgp", "bold", "italic", "picture", "text", "name", "alignment", "width",
                          "height"}) {
    messages += std::string(key) + "=[" + key + "]\n";
  }
  folder_.Write("score/info/m.ini", messages);
  Document();
}

void WordQuestion::Criteria(const std::string& ini) {
  folder_.Write("score/word/1001.ini", G("[msg]\npath=m.ini\n" + ini));
}

WordScore WordQuestion::Score(const std::string& feedback) {
  ScorerContext context{WebRoot(), word.Starter(), nullptr};
  WordScore score;
  std::string text = G(feedback);
  score.result = ScoreWord(context, DocumentPath(), CriteriaPath(), score.maximum, score.achieved, text);
  score.feedback = AnsiToUtf8(text);
  return score;
}

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

std::string CaseName(const testing::TestParamInfo<RuleCase>& info) { return info.param.name; }

void ExpectScore(const RuleCase& c) {
  WordQuestion question;
  c.build(question.Document());
  question.Criteria(c.criteria);
  WordScore score = question.Score();
  EXPECT_EQ(score.result, 0);
  EXPECT_EQ(score.feedback, c.feedback);
  EXPECT_EQ(score.achieved, c.achieved);
}
