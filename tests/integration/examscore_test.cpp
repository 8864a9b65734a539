// examscore, the command-line scorer, run as a program: its arguments, its output and its exit status.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

namespace {

// Runs examscore with `arguments` (shell words) and HOME set to `home`; stderr goes with stdout.
ProgramRun Examscore(const std::string& home, const std::string& arguments) {
  std::string command = "env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME='" + home + "' " + EXAMHOST_BINARY_DIR "/src/programs/examscore/examscore " +
                        arguments + " 2>&1";
  return RunCommand(command);
}

class ExamscoreCommand : public testing::Test {
 protected:
  void SetUp() override {
    home_.Write("site/score/info/m.ini", Utf8ToAnsi("[msg]\nexist=不存在\n"));
    home_.Write("other/score/info/m.ini", Utf8ToAnsi("[msg]\nexist=找不到\n"));
    home_.Write("here.txt", "x");
    criteria_ = home_.Write("site/score/windows/q.ini",
                            "[msg]\npath=m.ini\n[todo]\nitem=if_exist\n[if_exist]\nnum=2\n"
                            "item_1=C:\\here.txt\nitem_2=C:\\gone.txt,C:\\\"quoted\"\n[score]\nall_score=2\n");
  }

  TempFolder home_;
  std::string criteria_;
};

TEST_F(ExamscoreCommand, PrintsTheResultAsJsonOrLines) {
  ProgramRun run = Examscore(home_.Native(), "windows " + criteria_ + " --json");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"type\": \"windows\", \"result\": 0, \"maximum\": 2, \"achieved\": 1, \"rs\": \"2\", "
            "\"msg\": \"C:\\\\gone.txt不存在<br>C:\\\\\\\"quoted\\\"不存在<br>\"}\n");

  run = Examscore(home_.Native(), "--webroot " + home_.Native() + "/other windows " + criteria_);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "type: windows\nresult: 0\nmaximum: 2\nachieved: 1\nrs: 2\nfeedback:\nC:\\gone.txt找不到\n"
            "C:\\\"quoted\"找不到\n");

  run = Examscore(home_.Native(), "--json windows " + home_.Native() + "/none.ini");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"type\": \"windows\", \"result\": -2, \"maximum\": 0, \"achieved\": 0, \"rs\": \"2\", "
            "\"msg\": \"相关文件不存在\"}\n");
}

TEST_F(ExamscoreCommand, ScoresTheSampleBanksWindowsQuestion) {
  // Nothing done yet in an empty home folder: every check that looks for the candidate's work says so.
  ProgramRun run = Examscore(home_.Native(), std::string("--json windows ") + EXAMHOST_SOURCE_DIR +
                                          "/site/server/nginx/html/score/windows/3001.ini");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"type\": \"windows\", \"result\": 0, \"maximum\": 10, \"achieved\": 0, \"rs\": \"2\", \"msg\": "
            "\"C:\\\\考生文件夹\\\\windows\\\\报表不存在<br>C:\\\\考生文件夹\\\\windows\\\\报表\\\\一月.txt不存在<br>"
            "没有检测到C:\\\\考生文件夹\\\\windows\\\\草稿.txt移动操作<br>"
            "没有在桌面上检测到C:\\\\考生文件夹\\\\windows\\\\报表的快捷方式<br>没有检测到旧账删除操作<br>\"}\n");
}

TEST_F(ExamscoreCommand, RefusesWrongArgumentsWithTheUsageText) {
  for (const char* arguments : {"", "windows", "windows a b", "word a.doc", "excel a b c", "paint a",
                                "windows a --webroot", "windows a --verbose", "--json"}) {
    ProgramRun run = Examscore(home_.Native(), arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out.rfind("usage: examscore", 0), 0u) << arguments;
  }
}

}  // namespace
