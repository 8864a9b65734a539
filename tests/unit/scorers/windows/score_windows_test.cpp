#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/codepage.h"
#include "platform/files.h"
#include "scoring/scorer_entry.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

const std::string kWebRoot = "C:\\www\\";
const std::string kCriteria = "C:\\www\\score\\windows\\q.ini";

const char* kMessages =
    "[msg]\nexist=不存在\nhide=没有隐藏属性\nsystem=没有系统属性\nreadonly=没有只读属性\n"
    "archive=没有存档属性\ncontent=内容不对\n";

std::string Lnk(const std::string& name) {
  std::string bytes;
  ReadFileBytes(InsidePath(std::string(EXAMHOST_SOURCE_DIR) + "/tests/fixtures/lnk/" + name), bytes);
  return bytes;
}

// A Windows question in a temporary home folder ("C:"): criteria and message texts in GBK, as a question
// bank holds them; the result and feedback converted back to UTF-8 for reading.
class WindowsQuestion : public testing::Test {
 protected:
  struct Scored {
    int result, maximum, achieved;
    std::string feedback;
  };

  void SetUp() override { home_.Folder().Write("www/score/info/m.ini", Utf8ToAnsi(kMessages)); }

  void File(const std::string& relative, const std::string& bytes = "x") { home_.Folder().Write(relative, bytes); }

  Scored Score(const std::string& criteria) {
    home_.Folder().Write("www/score/windows/q.ini", Utf8ToAnsi("[msg]\npath=m.ini\n" + criteria));
    Scored scored{0, 0, 0, ""};
    scored.result = ScoreWindows(ScorerContext{kWebRoot, {}, {}}, kCriteria, scored.maximum, scored.achieved,
                                 scored.feedback);
    scored.feedback = AnsiToUtf8(scored.feedback);
    return scored;
  }

  std::string Native(const std::string& relative) const { return home_.Native(relative); }

  TempHome home_;
};

TEST_F(WindowsQuestion, MissingCriteriaFileLeavesTheScoresAlone) {
  int maximum = 7, achieved = 3;
  std::string feedback = "before";
  EXPECT_EQ(ScoreWindows(ScorerContext{kWebRoot, {}, {}}, kCriteria, maximum, achieved, feedback), -2);
  EXPECT_EQ(maximum, 7);
  EXPECT_EQ(achieved, 3);
  EXPECT_EQ(AnsiToUtf8(feedback), "before相关文件不存在");
}

TEST_F(WindowsQuestion, ExistenceItemsOnTheDesktopAndElsewhere) {
  File("Desktop/a.txt");
  File("Desktop/b.txt");
  File("x/c.txt");
  Scored scored = Score(
      "[todo]\nitem=if_exist\n[if_exist]\nnum=3\nitem_1=DESKTOP\\a.txt,DESKTOP\\b.txt\n"
      "item_2=C:\\x\\c.txt,C:\\x\\gone.txt,DESKTOP\\gone.txt\nitem_3=\n"
      "[score]\nall_score=10\nif_exist_item_1=4\nif_exist_item_2=9\n");
  EXPECT_EQ(scored.result, 0);
  EXPECT_EQ(scored.maximum, 10);
  EXPECT_EQ(scored.achieved, 4 + 1);  // item 3 names no path and has no score: 1 point
  EXPECT_EQ(scored.feedback, "C:\\x\\gone.txt不存在<br>C:\\Desktop\\gone.txt不存在<br>");
}

TEST_F(WindowsQuestion, DesktopFolderComesFromTheUserDirsFile) {
  File(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
  File("桌面/a.txt");
  Scored scored = Score("[todo]\nitem=if_exist\n[if_exist]\nnum=2\nitem_1=DESKTOP\\a.txt\nitem_2=DESKTOP\\b.txt\n");
  EXPECT_EQ(scored.achieved, 1);
  EXPECT_EQ(scored.maximum, -999998);  // all_score absent
  EXPECT_EQ(scored.feedback, "C:\\桌面\\b.txt不存在<br>");
}

TEST_F(WindowsQuestion, MovesEarnTheirBonusOnlyWhenAllSucceeded) {
  const std::string criteria =
      "[todo]\nitem=move\n[move]\nnum=2\nsrc_1=C:\\x\\a.txt\ntarget_1=C:\\y\\a.txt\n"
      "src_2=DESKTOP\\b.txt\ntarget_2=C:\\y\\b.txt\n[score]\nmove_src_1=2\nmove=5\n";
  File("y/a.txt");
  File("y/b.txt");
  EXPECT_EQ(Score(criteria).achieved, 2 + 1 + 5);

  File("x/a.txt");  // a copy, not a move
  Scored scored = Score(criteria);
  EXPECT_EQ(scored.achieved, 1);
  EXPECT_EQ(scored.feedback, "没有检测到C:\\x\\a.txt移动操作<br>");
}

TEST_F(WindowsQuestion, ShortcutsAreComparedExactlyWithTheirTarget) {
  File("Desktop/work.lnk", Lnk("work-folder.lnk"));
  File("Desktop/report.lnk", Lnk("gbk-report.lnk"));
  File("links/case.lnk", Lnk("work-folder.lnk"));
  File("links/broken.lnk", "no link");
  Scored scored = Score(
      "[todo]\nitem=shortcut\n[shortcut]\nnum=6\n"
      "shortcut_1=C:\\WORK\ntarget_1=DESKTOP\\work.lnk\n"
      "shortcut_2=C:\\考生文件夹\\报告.txt\ntarget_2=DESKTOP\\report.lnk\n"
      "shortcut_3=C:\\work\ntarget_3=C:\\links\\case.lnk\n"
      "shortcut_4=C:\\WORK\ntarget_4=C:\\links\\broken.lnk\n"
      "shortcut_5=C:\\calc.exe\ntarget_5=DESKTOP\\calc.lnk\n"
      "shortcut_6=C:\\calc.exe\ntarget_6=C:\\links\\calc.lnk\n"
      "[score]\nshortcut_1=3\nshortcut=10\n");
  EXPECT_EQ(scored.achieved, 3 + 1);  // one failure: no bonus
  EXPECT_EQ(scored.feedback,
            "没有检测到C:\\work的快捷方式<br>C:\\WORK的快捷方式检测出错<br>"
            "没有在桌面上检测到C:\\calc.exe的快捷方式<br>没有检测到C:\\calc.exe的快捷方式<br>");

  EXPECT_EQ(Score("[todo]\nitem=shortcut\n[shortcut]\nnum=1\nshortcut_1=C:\\WORK\ntarget_1=DESKTOP\\work.lnk\n"
                  "[score]\nshortcut=10\n")
                .achieved,
            1 + 10);
}

TEST_F(WindowsQuestion, DeletedFilesAreLookedUpInTheTrash) {
  File("报告.txt");
  ASSERT_EQ(std::system(("gio trash '" + Native("报告.txt") + "'").c_str()), 0);
  Scored scored = Score(
      "[todo]\nitem=delete\n[delete]\nnum=3\nitem_1=报告.txt\nitem_2=说明.doc\nitem_3=abc\n"
      "[score]\ndelete_item_1=6\n");
  EXPECT_EQ(scored.achieved, 6);
  EXPECT_EQ(scored.feedback, "没有检测到说明删除操作<br>没有检测到删除操作<br>");
}

TEST_F(WindowsQuestion, AttributesScorePerPathAndEarnTheBonusWhenAllCarryThem) {
  File(".a.txt");
  File(".b.txt");
  File("ro.txt");
  File("plain.txt");
  fs::permissions(Native("ro.txt"), fs::perms::owner_read);
  const std::string criteria =
      "[todo]\nitem=attr\n[attr]\nitems=readonly,hide\nhide=C:\\.a.txt,C:\\.b.txt\nreadonly=C:\\ro.txt\n"
      "[score]\nattr_hide=2\nattr=5\n";
  EXPECT_EQ(Score(criteria).achieved, 2 + 2 + 1 + 5);

  Scored scored = Score(
      "[todo]\nitem=attr\n[attr]\nitems=hide,readonly\nhide=C:\\.a.txt,C:\\plain.txt\n"
      "readonly=C:\\plain.txt\n[score]\nattr=5\n");
  EXPECT_EQ(scored.achieved, 1);
  EXPECT_EQ(scored.feedback, "C:\\plain.txt没有隐藏属性<br>C:\\plain.txt没有只读属性<br>");

  // "Hide" is in the set but names no attribute: its paths (read from the same key, names ignore case)
  // are only checked for existence.
  scored = Score("[todo]\nitem=attr\n[attr]\nitems=Hide\nhide=C:\\plain.txt\n[score]\nattr_hide=50\nattr=5\n");
  EXPECT_EQ(scored.achieved, 5);
  EXPECT_EQ(scored.feedback, "");

  // A path that does not exist clears the bonus without a feedback item.
  scored = Score("[todo]\nitem=attr\n[attr]\nitems=hide\nhide=C:\\.a.txt,C:\\none.txt\n[score]\nattr=5\n");
  EXPECT_EQ(scored.achieved, 1);
  EXPECT_EQ(scored.feedback, "");
}

TEST_F(WindowsQuestion, SystemAndArchiveComeFromTheDosAttribute) {
  File("s.txt");
  if (std::system(("setfattr -n user.DOSATTRIB -v '\"0x24\"' '" + Native("s.txt") + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "this file system keeps no user extended attributes";
  File("p.txt");
  Scored scored = Score(
      "[todo]\nitem=attr\n[attr]\nitems=system,archive\nsystem=C:\\s.txt,C:\\p.txt\narchive=C:\\s.txt\n");
  EXPECT_EQ(scored.achieved, 2);
  EXPECT_EQ(scored.feedback, "C:\\p.txt没有系统属性<br>");
}

TEST_F(WindowsQuestion, ContentIsComparedTrimmedAndCopyChecksCostAPoint) {
  File("w/a.txt", Utf8ToAnsi("合计 100\r\n\r\n\n"));
  File("w/b.txt", "other");
  File("w/c.txt", std::string("same\0tail", 9));
  File("w/d.DOC", "text");
  Scored scored = Score(
      "[todo]\nitem=content\n[content]\nnum=5\nfn1=C:\\w\\a.txt\ncontent1=  合计 100\n"
      "fn2=C:\\w\\b.txt\ncontent2=expected\nfn3=C:\\w\\c.txt\ncontent3=same\nfn4=C:\\w\\missing.txt\n"
      "content4=x\nfn5=C:\\w\\d.DOC\ncontent5=text\n[score]\ncontent_fn1=4\ncontent_fn2=3\n");
  EXPECT_EQ(scored.achieved, 4 + 1 + 1);
  EXPECT_EQ(scored.feedback, "C:\\w\\b.txt内容不对<br>");

  // A copy check (score 0) that fails takes a point away; a negative total leaves achieved as it was.
  scored = Score(
      "[todo]\nitem=content\n[content]\nnum=1\nfn1=C:\\w\\b.txt\ncontent1=expected\n[score]\ncontent_fn1=0\n");
  EXPECT_EQ(scored.achieved, 0);
  EXPECT_EQ(scored.feedback, "C:\\w\\b.txt内容不对：文件不是复制过来的<br>");
}

TEST_F(WindowsQuestion, FamiliesRunOnlyWhenListedAndInTheirFixedOrder) {
  File("here.txt");
  Scored scored = Score(
      "[todo]\nitem=content,if_exist, attr\n[if_exist]\nnum=1\nitem_1=C:\\gone.txt\n"
      "[move]\nnum=1\nsrc_1=C:\\a\ntarget_1=C:\\here.txt\n"
      "[content]\nnum=1\nfn1=C:\\here.txt\ncontent1=y\n[score]\nall_score=abc\n");
  EXPECT_EQ(scored.maximum, 0);  // a value without digits reads as 0
  EXPECT_EQ(scored.achieved, 0);
  EXPECT_EQ(scored.feedback, "C:\\gone.txt不存在<br>C:\\here.txt内容不对<br>");
}

TEST_F(WindowsQuestion, HugeOrNegativeCountsAndLongPathsAreHandled) {
  std::string longPath = "C:\\" + std::string(300, 'a');
  Scored scored = Score("[todo]\nitem=if_exist,move,delete,content\n[if_exist]\nnum=2000000000\nitem_1=" +
                        longPath + "\n[move]\nnum=-5\n[delete]\nnum=-1\n[content]\nnum=0\n");
  EXPECT_EQ(scored.result, 0);
  EXPECT_EQ(scored.achieved, 999);  // at most 1000 items are read; the first names a path too long to exist
  EXPECT_EQ(scored.feedback, longPath + "不存在<br>");
}

}  // namespace
