#include <vector>

#include <gtest/gtest.h>

#include "word_question.h"

namespace {

// Adds paragraphs of the given texts (UTF-8); returns the last one.
WordParagraphModel& AddParagraphs(WordDocumentModel& document, const std::vector<std::string>& texts) {
  WordParagraphModel* last = nullptr;
  for (const std::string& text : texts) last = &document.AddParagraph(G(text));
  return *last;
}

void TitleAndFour(WordDocumentModel& d) { AddParagraphs(d, {"标题行", "AB1", "AB2", "C", "D"}); }

const RuleCase PARAGRAPH_CASES[] = {
    {"OnlyTheFirstParagraph", [](WordDocumentModel& d) { AddParagraphs(d, {"A"}); },
     "[paragraph]\nscore_num=1\np1=A\n[p1]\nbold=1\n", "段落数目错误：可能没有合并或拆分段落。<br>", 0},
    {"EmptyParagraphsAreNotCounted", [](WordDocumentModel& d) { AddParagraphs(d, {"T", "", " \t ", "A", ""}); },
     "[paragraph]\nnum=1\nscore_num=4\n", "", 4},
    {"CountMismatchWithoutScoreNumIsSilent", TitleAndFour, "[paragraph]\nnum=2\n", "", 0},
    {"SameOpeningMatchesTheFirstParagraphOnly", TitleAndFour,
     "[paragraph]\np1=AB\np2=A\n[p1]\nbold=1\n[p2]\nbold=1\n", "标题[bold]<br>第1段[bold]<br>", 0},
    {"ShorterOpeningWithLowerNumberWins", TitleAndFour,
     "[paragraph]\np1=A\np2=AB2\np3=AB\n[p1]\nbold=1\n[p2]\nbold=1\n[p3]\nbold=1\n",
     "标题[bold]<br>第1段[bold]<br>", 0},
    {"LabelsWithTitle", TitleAndFour, "[paragraph]\np1=C\np3=D\n[p1]\nbold=1\n[p3]\nbold=1\n",
     "标题[bold]<br>第2段[bold]<br>", 0},
    {"LabelsWithoutTitle", TitleAndFour, "[paragraph]\ntitle=0\np1=C\np3=D\n[p1]\nbold=1\n[p3]\nbold=1\n",
     "第1段[bold]<br>第3段[bold]<br>", 0},
    {"SizeMatchesOnlyInSixDecimals", TitleAndFour,
     "[paragraph]\np1=C\np2=D\n[p1]\nsize=10.500000\nscore_size=2\n[p2]\nsize=10.5\nscore_size=2\n",
     "第1段[size]<br>", 2},
    {"TableEndsTheWalkAfterTheFirstMatch",
     [](WordDocumentModel& d) {
       AddParagraphs(d, {"T", "x", "A", "B"});
       d.AddTable(1, 1);
     },
     "[table]\nrow=1\ncolumn=1\n[paragraph]\nnum=2\nscore_num=3\np1=A\np2=B\n[p2]\nbold=1\n", "", 3},
    {"SpaceAfterWithoutSpaceBeforeNeverScores",
     [](WordDocumentModel& d) { AddParagraphs(d, {"T", "A"}).spaceAfter = 6; },
     "[paragraph]\np1=A\n[p1]\nspaceafter=6.000000\nscore_spaceafter=1\n", "标题[space]<br>", 0},
    {"SpaceAfterAndBeforeScoreTogether",
     [](WordDocumentModel& d) {
       WordParagraphModel& p = AddParagraphs(d, {"T", "A", "B"});
       p.spaceAfter = 6;
       p.spaceBefore = 3;
     },
     "[paragraph]\np1=A\np2=B\n[p1]\nspacebefore=3.000000\nscore_spaceafter=1\n"
     "[p2]\nspaceafter=6.000000\nspacebefore=3.000000\nscore_spaceafter=1\n",
     "", 1},
    {"IntegerKeyMismatchGivesItsItemWithoutScoreKey", TitleAndFour,
     "[paragraph]\np1=C\np2=D\n[p1]\nunderline=1\n[p2]\nunderline=0\n", "标题[underline]<br>", 0},
    {"FirstLineIndentItem", [](WordDocumentModel& d) { AddParagraphs(d, {"T", "A"}).firstLineIndent = 21; },
     "[paragraph]\np1=A\n[p1]\nfirstlineindent=24.000000\n", "标题首行[indent]<br>", 0},
    {"LongExpectedFontName",
     [](WordDocumentModel& d) { AddParagraphs(d, {"T", "A"}).font.name = G("方正小标宋简体加粗长名"); },
     "[paragraph]\np1=A\n[p1]\nfontname=方正小标宋简体加粗长名\nscore_fontname=1\n", "", 1},
};

class ParagraphRules : public testing::TestWithParam<RuleCase> {};

TEST_P(ParagraphRules, ScoreAndFeedback) { ExpectScore(GetParam()); }

INSTANTIATE_TEST_SUITE_P(WordScorer, ParagraphRules, testing::ValuesIn(PARAGRAPH_CASES), CaseName);

// A paragraph whose every value differs from the defaults, so that a value read from the wrong member
// cannot pass.
WordParagraphModel& Formatted(WordDocumentModel& document) {
  WordParagraphModel& p = AddParagraphs(document, {"标题", "正文段落"});
  p.font = {G("黑体"), 14, -1, -1, 3, 80, -1, 255, 1.5f, 12, {125, 7, 6}};
  p.alignment = 1;
  p.leftIndent = 1;
  p.rightIndent = 2;
  p.firstLineIndent = 24;
  p.lineSpacing = 18;
  p.spaceBefore = 3;
  p.spaceAfter = 6;
  p.pictures = {{100, 50, 0.7f}};
  return p;
}

const char* const EVERY_RULE =
    "[paragraph]\np1=正文\n[p1]\n"
    "size=14.000000\nkerning=12.000000\nspacing=1.500000\nfontname=黑体\nemboss=-1\ncolor=0000ff\n"
    "leftindent=1.000000\nrightindent=2.000000\nalignment=1\nspaceafter=6.000000\nspacebefore=3.000000\n"
    "linespace=18.000000\nfirstlineindent=24.000000\nwcount=8\nscaling=80\nunderline=3\ntexture=125\n"
    "texture_bgp=7\ntexture_fgp=6\nbold=-1\nitalic=-1\ntoken=段\ntokennumber=1\npicture=1\nitemindex=1\n"
    "pwidth=100.000000\npheight=50.000000\npbrightless=0.700000\n"
    "score_size=1\nscore_kerning=1\nscore_spacing=1\nscore_fontname=1\nscore_emboss=1\nscore_color=1\n"
    "score_leftindent=1\nscore_rightindent=1\nscore_alignment=1\nscore_spaceafter=1\nscore_linespace=1\n"
    "score_firstlineindent=1\nscore_wcount=1\nscore_scaling=1\nscore_underline=1\nscore_texture=1\n"
    "score_texture_bgp=1\nscore_texture_fgp=1\nscore_bold=1\nscore_italic=1\nscore_tokennumber=1\n"
    "score_itenindex=1\nscore_pheight=1\n";

TEST(ParagraphRules, EveryRulePassesOnItsOwnValue) {
  WordQuestion question;
  Formatted(question.Document());
  question.Criteria(EVERY_RULE);
  WordScore score = question.Score();
  EXPECT_EQ(score.feedback, "");
  EXPECT_EQ(score.achieved, 23);
}

TEST(ParagraphRules, EveryRuleFailsInTableOrder) {
  WordQuestion question;
  WordParagraphModel& p = Formatted(question.Document());
  p = WordParagraphModel{};
  p.text = G("正文段落");
  p.pictures = {{1, 1, 0}};
  question.Criteria(EVERY_RULE);
  WordScore score = question.Score();
  EXPECT_EQ(score.feedback,
            "标题[size]<br>标题[kerning]<br>标题[spacing]<br>标题[font]<br>标题[emboss]<br>标题[color]<br>"
            "标题[leftindent]<br>标题[rightindent]<br>标题[align]<br>标题[space]<br>标题[space]<br>"
            "标题首行[indent]<br>标题[scaling]<br>标题[underline]<br>标题[texture]<br>标题[texture_bgp]<br>"
            "标题[texture_fgp]<br>标题[bold]<br>标题[italic]<br>标题[picture]<br>");
  EXPECT_EQ(score.achieved, 3);  // wcount, tokennumber and the picture number still hold
}

}  // namespace
