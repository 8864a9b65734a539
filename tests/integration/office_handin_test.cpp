// The hand-in road for the sample exam's Word and Excel questions through the real site and a real
// LibreOffice: question record from the site, the candidate's file scored, the report posted and stored.
#include <filesystem>
#include <gtest/gtest.h>

#include "app/texts.h"
#include "automation/office_backend.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "scoring/http_client.h"
#include "scoring/question_dispatcher.h"
#include "support/sample_site.h"

namespace {

const std::string kAnswers = EXAMHOST_SOURCE_DIR "/tests/data/office/";

// Scores the question of `type` as the scoring run does and posts its report.
void ScoreAndReport(const SampleSite& site, const std::string& type) {
  std::string record = HttpGet("127.0.0.1", site.WebPort(), "question/exam/type/" + type);
  ResultRecord result;
  ScorerContext context{site.WebRoot(), OfficeWordStarter(), OfficeExcelStarter()};
  int score = ScoreQuestion(result, site.WebRoot(), record, type, ScorerEntry(context));
  HttpFields report{{"bid", result[RESULT_BID]}, {"msg", result[RESULT_MSG]}, {"rid", result[RESULT_RID]},
                    {"rs", result[RESULT_RS]},   {"score", std::to_string(score)}, {"type", type}};
  EXPECT_EQ(HttpPost("127.0.0.1", site.WebPort(), "/report.php", report), "ok\n");
}

TEST(OfficeHandIn, SampleExamsWordAndExcelQuestionsAreScoredAndReported) {
  SampleSite site;
  // The candidate has answered: the Word question fully, the Excel question in part.
  std::string operation = NativePath(site.WebRoot()) + "operation/";
  std::filesystem::copy_file(kAnswers + "word-right.doc", operation + "101/word/1001.doc",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(kAnswers + "excel-partly.xls", operation + "102/excel/2001.xls",
                             std::filesystem::copy_options::overwrite_existing);
  ScoreAndReport(site, "word");
  ScoreAndReport(site, "excel");

  std::vector<SiteReport> reports = site.Reports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].rid + "|" + reports[0].bid + "|" + reports[0].score + "|" + reports[0].rs + "|" +
                reports[0].type + "|" + reports[0].msg,
            "101|1|14|1|word|");
  EXPECT_EQ(reports[1].rid + "|" + reports[1].bid + "|" + reports[1].score + "|" + reports[1].rs + "|" +
                reports[1].type + "|" + reports[1].msg,
            "102|2|15|2|excel|" + AnsiText("表格内容边框线型不正确<br>边框线型不正确<br>图表图例设置不正确<br>"));
}

}  // namespace
