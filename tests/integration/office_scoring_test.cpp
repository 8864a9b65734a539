// examscore scoring the sample bank's Word and Excel questions with a real LibreOffice: the whole JSON of
// each answer variant, bad documents, and no office left behind after any of them.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <gtest/gtest.h>

#include "support/office_processes.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

namespace {

const std::string kSource = EXAMHOST_SOURCE_DIR;
const std::string kWebRoot = kSource + "/site/server/nginx/html";
const std::string kAnswers = kSource + "/tests/data/office/";
const std::string kWordCriteria = kWebRoot + "/score/word/1001.ini";
const std::string kExcelCriteria = kWebRoot + "/score/excel/2001.ini";

// Runs examscore with its temporary folder (where each office keeps its profile) inside `temp`, and
// checks that the office it started is gone and has left nothing behind.
ProgramRun ScoreWithOffice(const TempFolder& temp, const std::string& arguments) {
  ProgramRun run = RunCommand("TMPDIR='" + temp.Native() + "' " EXAMHOST_BINARY_DIR
                              "/src/programs/examscore/examscore " + arguments + " --json 2>&1");
  EXPECT_TRUE(ProcessesMentioning(temp.Native()).empty()) << arguments;
  EXPECT_TRUE(std::filesystem::is_empty(temp.Native())) << arguments;
  return run;
}

struct Case {
  std::string type, document, criteria, json;
};

TEST(OfficeScoring, SampleBankAnswersScoreAsTheAuthorMeant) {
  const Case cases[] = {
      {"word", kAnswers + "word-right.doc", kWordCriteria,
       R"({"type": "word", "result": 0, "maximum": 14, "achieved": 14, "rs": "1", "msg": ""})"},
      {"word", kAnswers + "word-partly.doc", kWordCriteria,
       R"({"type": "word", "result": 0, "maximum": 14, "achieved": 10, "rs": "2", "msg": "第1行第1列加粗设置不正确<br>)"
       R"(第1段字体设置不正确<br>第1段字体颜色设置不正确<br>"})"},
      {"word", kAnswers + "word-wrong.doc", kWordCriteria,
       R"({"type": "word", "result": 0, "maximum": 14, "achieved": 4, "rs": "2", "msg": "没有插入表格<br>)"
       R"(第1段字体设置不正确<br>第1段字体颜色设置不正确<br>第1段段落间距设置不正确<br>"})"},
      {"word", kWebRoot + "/operation/101/word/1001.doc", kWordCriteria,
       R"({"type": "word", "result": 0, "maximum": 14, "achieved": 0, "rs": "2", "msg": "没有插入表格<br>)"
       R"(第1段字号设置不正确<br>第1段字体设置不正确<br>第1段字体颜色设置不正确<br>第1段段落间距设置不正确<br>)"
       R"(第1段段落间距设置不正确<br>第1段首行缩进设置不正确<br>第1段加粗设置不正确<br>"})"},
      {"excel", kAnswers + "excel-right.xls", kExcelCriteria,
       R"({"type": "excel", "result": 0, "maximum": 17, "achieved": 17, "rs": "1", "msg": ""})"},
      {"excel", kAnswers + "excel-partly.xls", kExcelCriteria,
       R"({"type": "excel", "result": 0, "maximum": 17, "achieved": 15, "rs": "2", "msg": "表格内容边框线型不正确<br>)"
       R"(边框线型不正确<br>图表图例设置不正确<br>"})"},
      {"excel", kAnswers + "excel-wrong.xls", kExcelCriteria,
       R"({"type": "excel", "result": 0, "maximum": 17, "achieved": 7, "rs": "2", "msg": "标题行没有合并单元格<br>)"
       R"(标题对齐方式不正确<br>标题字体不正确<br>标题字号不正确<br>标题加粗设置不正确<br>没有插入正确的图表<br>"})"},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    ProgramRun run = ScoreWithOffice(temp, c.type + " " + c.document + " " + c.criteria);
    EXPECT_EQ(run.status, 0) << c.document;
    EXPECT_EQ(run.out, c.json + "\n") << c.document;
  }
}

// A document the office cannot read as the expected kind ends the question with the scoring error of the
// hand-in road; the office still ends, and the next question scores normally.
TEST(OfficeScoring, BadDocumentsAreReportedAndLeaveNoOffice) {
  TempFolder files;
  std::ifstream in(kAnswers + "word-right.doc", std::ios::binary);
  std::string word((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const struct {
    std::string type, name, bytes, error;
  } cases[] = {
      {"word", "truncated.doc", word.substr(0, 3000), "the office cannot open the document "},
      {"word", "text.doc", "hello world\n", "not a document of the expected kind (Text): "},
      {"excel", "word.xls", word, "not a document of the expected kind (MS Word 97): "},
  };
  for (const auto& c : cases) {
    std::string path = files.Write(c.name, c.bytes);
    TempFolder temp;
    std::string criteria = c.type == "word" ? kWordCriteria : kExcelCriteria;
    ProgramRun run = ScoreWithOffice(temp, c.type + " " + path + " " + criteria);
    EXPECT_EQ(run.status, 3) << c.name;
    std::string expected = R"("result": 0, "maximum": 0, "achieved": 0, "rs": "2", )"
                           R"("msg": "该题评分出错，未能完成评分<br>", "error": ")" + c.error;
    EXPECT_NE(run.out.find(expected), std::string::npos) << run.out;
  }
  std::filesystem::create_directory(files.Native() + "/folder.doc");
  TempFolder temp;
  ProgramRun run = ScoreWithOffice(temp, "word " + files.Native() + "/folder.doc " + kWordCriteria);
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.out.find("\"error\": \"cannot read the document "), std::string::npos) << run.out;

  // A zero-byte .doc opens as an empty document, as Word opens it.
  run = ScoreWithOffice(temp, "word " + files.Write("empty.doc", "") + " " + kWordCriteria);
  EXPECT_EQ(run.out,
            R"({"type": "word", "result": 0, "maximum": 14, "achieved": 0, "rs": "2", "msg": "没有插入表格<br>"})"
            "\n");
}

}  // namespace
