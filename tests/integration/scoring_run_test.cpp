// The hand-in against the sample exam site on its real nginx and php-cgi: the requests in order, the
// sample bank's Windows question scored against real files in a temporary home folder, the reports as
// the site received them.
#include "scoring/scoring_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/texts.h"
#include "automation/automation_error.h"
#include "platform/codepage.h"
#include "scorers/excel/excel_session.h"
#include "scorers/word/word_session.h"
#include "support/sample_site.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

const ScorerContext kNoOffice{"", [] { return std::unique_ptr<WordSession>(); },
                              [] { return std::unique_ptr<ExcelSession>(); }};

std::vector<std::string> LastRequests(const SampleSite& site, size_t count) {
  std::vector<std::string> all = site.Requests();
  return {all.end() - static_cast<long>(std::min(count, all.size())), all.end()};
}

// Does what Windows question 3001 of the sample bank asks, on Linux.
void SolveWindowsQuestion(const TempHome& home) {
  const std::string folder = "考生文件夹/windows/";
  home.Folder().Write(folder + "报表/一月.txt", Utf8ToAnsi("收入合计 12000\r\n"));
  home.Folder().Write(folder + "报表/草稿.txt", "draft");
  home.Folder().Write(folder + "备份.txt", "backup");
  home.Folder().Write(folder + "旧账.txt", "old");
  fs::permissions(home.Native(folder + "报表/一月.txt"), fs::perms::owner_read);
  fs::create_directories(home.Native("Desktop"));
  fs::create_symlink(home.Native(folder + "报表"), home.Native("Desktop/报表.lnk"));
  ASSERT_EQ(std::system(("gio trash '" + home.Native(folder + "旧账.txt") + "'").c_str()), 0);
  ASSERT_EQ(std::system(("setfattr -n user.DOSATTRIB -v '\"0x2\"' '" + home.Native(folder + "备份.txt") + "'").c_str()),
            0);
}

TEST(ScoringRun, ScoresTheSampleBankAndReportsEachTypeInOrder) {
  TempHome home;
  SolveWindowsQuestion(home);
  SampleSite site;
  ScorerContext context = kNoOffice;
  context.webRoot = site.WebRoot();
  RunScoring(IniFile::Configuration(site.InstallFolder()), site.WebPort(), context, " \t");

  EXPECT_EQ(LastRequests(site, 6),
            (std::vector<std::string>{"GET /question/exam/type/word", "POST /report.php",
                                      "GET /question/exam/type/excel", "POST /report.php",
                                      "GET /question/exam/type/windows", "POST /report.php"}));
  std::vector<SiteReport> reports = site.Reports();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].type, "word");
  EXPECT_EQ(reports[0].rid, "101");
  EXPECT_EQ(reports[0].bid, "1");
  EXPECT_EQ(reports[1].type, "excel");
  EXPECT_EQ(reports[1].rid, "102");
  const SiteReport& windows = reports[2];
  EXPECT_EQ(windows.type, "windows");
  EXPECT_EQ(windows.rid, "103");
  EXPECT_EQ(windows.bid, "3");
  EXPECT_EQ(windows.score, "10");
  EXPECT_EQ(windows.rs, "1");
  EXPECT_EQ(AnsiToUtf8(windows.msg), "");

  // Undo one step: the move is no longer detected, and the report says so in GBK.
  home.Folder().Write("考生文件夹/windows/草稿.txt", "draft");
  RunScoring(IniFile::Configuration(site.InstallFolder()), site.WebPort(), context, "5");
  EXPECT_EQ(LastRequests(site, 1), std::vector<std::string>{"POST /report.php"});
  EXPECT_EQ(site.Requests().end()[-2], "GET /question/5/type/windows");
  const SiteReport last = site.Reports().back();
  EXPECT_EQ(last.score, "8");
  EXPECT_EQ(last.rs, "2");
  EXPECT_EQ(AnsiToUtf8(last.msg), "没有检测到C:\\考生文件夹\\windows\\草稿.txt移动操作<br>");
}

TEST(ScoringRun, GoesOnAfterAScorerErrorAndReportsEmptyRecords) {
  SampleSite site;
  ScorerCall scorer = [](const std::string& type, const std::string&, const std::string&, int& maximum,
                         int& achieved, std::string& feedback) -> int {
    if (type == "excel") {
      feedback += "partial<br>";
      throw AutomationError("the office process ended");
    }
    maximum = achieved = 4;
    return 0;
  };
  RunScoring(IniFile::Configuration(site.InstallFolder()), site.WebPort(), site.WebRoot(), scorer, "exam");
  std::vector<SiteReport> reports = site.Reports();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].score, "4");
  EXPECT_EQ(reports[0].rs, "1");
  EXPECT_EQ(reports[1].type, "excel");
  EXPECT_EQ(reports[1].rid, "102");
  EXPECT_EQ(reports[1].score, "0");
  EXPECT_EQ(reports[1].rs, "2");
  EXPECT_EQ(AnsiToUtf8(reports[1].msg), "partial<br>该题评分出错，未能完成评分<br>");
  EXPECT_EQ(reports[2].score, "4");

  // List requests the site answers with 404: the reports still go out, with empty records.
  TempFolder other;
  other.Write("global.ini", "[server]\ninterface_url=127.0.0.1\ninterface_type=nothing/\n"
                            "interface_score=/report.php\n");
  RunScoring(IniFile(other.Inside() + "\\global.ini"), site.WebPort(), site.WebRoot(), scorer, "exam");
  reports = site.Reports();
  ASSERT_EQ(reports.size(), 6u);
  for (size_t i = 3; i < 6; ++i) {
    EXPECT_EQ(reports[i].rid, "");
    EXPECT_EQ(reports[i].bid, "");
    EXPECT_EQ(reports[i].score, "0");
    EXPECT_EQ(reports[i].rs, "2");
    EXPECT_EQ(reports[i].msg, "");
  }
  EXPECT_EQ(reports[5].type, "windows");
}

}  // namespace
