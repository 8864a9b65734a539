#include <gtest/gtest.h>

#include "scorers/word/word_content_rules.h"
#include "word_question.h"

namespace {

TEST(CountTokens, CountsWithoutOverlapUpToTheLimit) {
  struct Case {
    std::string text;
    std::string token;
    int limit;
    int count;
  } cases[] = {
      {"ababab", "ab", 4, 3},
      {"aaa", "aa", 2, 1},      // occurrences do not overlap
      {"xaxaxa", "a", 3, 3},    // stops one past an expected 2
      {"", "a", 5, 0},
      {"abc", "", 1, 1},        // an empty token is found everywhere, up to the limit
      {G("丄丄"), "A", 5, 0},   // the trail byte of 丄 is 'A' but no character of its own
      {G("会计A会计A"), "A", 5, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(CountTokens(c.text, c.token, c.limit), c.count) << c.text << "/" << c.token;
}

// The second paragraph of the question's document, with one picture.
WordParagraphModel& PictureParagraph(WordQuestion& question, const std::string& text) {
  question.Document().AddParagraph("T");
  WordParagraphModel& p = question.Document().AddParagraph(G(text));
  p.pictures = {{1, 2, 0.5f}, {120.5f, 80, 0.5f}};
  return p;
}

TEST(ContentRules, LengthAndTokenRules) {
  struct Case {
    const char* text;
    const char* keys;
    int achieved;
  } cases[] = {
      {"会计实务", "wcount=8", 1},
      {"会计实务", "wcount=4", 0},
      {"ABABAB", "token=AB\ntokennumber=3", 1},
      {"AAA", "token=AA\ntokennumber=1", 1},
      {"ABABAB", "token=AB\ntokennumber=2", 0},
      {"ABABAB", "token=\ntokennumber=0", 0},
      {"ABABAB", "token=AB", 0},
      {"ABABAB", "token=X\ntokennumber=0", 1},
  };
  for (const Case& c : cases) {
    WordQuestion question;
    PictureParagraph(question, c.text);
    question.Criteria(std::string("[paragraph]\np1=") + c.text + "\n[p1]\n" + c.keys +
                      "\nscore_wcount=1\nscore_tokennumber=1\n");
    WordScore score = question.Score();
    EXPECT_EQ(score.feedback, "") << c.keys;
    EXPECT_EQ(score.achieved, c.achieved) << c.text << " " << c.keys;
  }
}

TEST(ContentRules, PictureRule) {
  struct Case {
    const char* keys;
    const char* feedback;
    int achieved;
  } cases[] = {
      {"picture=1\nitemindex=2\npwidth=120.500000\npheight=80.000000\npbrightless=0.500000", "", 3},
      {"picture=1\nitemindex=2\npwidth=120.000000\npheight=80.000000\npbrightless=0.500000", "标题[picture]<br>", 1},
      {"picture=1\nitemindex=1\npwidth=120.500000\npheight=80.000000\npbrightless=0.500000", "标题[picture]<br>", 1},
      {"picture=1", "标题[picture]<br>", 0},                // absent number
      {"picture=1\nitemindex=0", "标题[picture]<br>", 0},   // number 0 is no picture
      {"picture=1\nitemindex=-1", "标题[picture]<br>", 0},
      {"picture=1\nitemindex=3", "标题[picture]<br>", 0},
      {"picture=2\nitemindex=2", "", 0},
  };
  for (const Case& c : cases) {
    WordQuestion question;
    PictureParagraph(question, "图片");
    question.Criteria(std::string("[paragraph]\np1=图片\n[p1]\n") + c.keys + "\nscore_itenindex=1\nscore_pheight=2\n");
    WordScore score = question.Score();
    EXPECT_EQ(score.result, 0);
    EXPECT_EQ(score.feedback, c.feedback) << c.keys;
    EXPECT_EQ(score.achieved, c.achieved) << c.keys;
  }
}

}  // namespace
