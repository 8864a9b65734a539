// The life of one private office: it ends on every path, a crashed or hung office becomes AutomationError
// within a bounded time, an office that does not come up is "not started", and the candidate's file is
// neither written nor locked.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "automation/uno/uno_excel_session.h"
#include "automation/uno/uno_word_session.h"
#include "platform/files.h"
#include "support/office_processes.h"
#include "support/temp_folder.h"

namespace {

const std::string kAnswers = EXAMHOST_SOURCE_DIR "/tests/data/office/";

// Makes the offices of one test keep their profiles below a folder of the test's own, so that the test
// can find them and see that nothing of them is left.
class OfficeLifecycle : public testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TMPDIR");
    oldTmp_ = old ? old : "";
    setenv("TMPDIR", temp_.Native().c_str(), 1);
  }
  void TearDown() override {
    if (oldTmp_.empty())
      unsetenv("TMPDIR");
    else
      setenv("TMPDIR", oldTmp_.c_str(), 1);
    EXPECT_TRUE(ProcessesMentioning(temp_.Native()).empty());
    EXPECT_TRUE(std::filesystem::is_empty(temp_.Native()));
  }
  int OfficePid() {
    std::vector<int> pids = ProcessesMentioning(temp_.Native());
    return pids.size() == 1 ? pids[0] : -1;
  }

  TempFolder temp_;
  std::string oldTmp_;
};

std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.what();
  }
  return "no error";
}

TEST_F(OfficeLifecycle, CrashedOfficeRaisesAutomationErrorAndTheNextOneServes) {
  TempFolder candidate;
  std::string document = candidate.Native() + "/1001.doc";
  std::filesystem::copy_file(kAnswers + "word-right.doc", document);
  auto before = std::filesystem::last_write_time(document);

  std::unique_ptr<WordSession> word = StartUnoWord();
  ASSERT_TRUE(word);
  word->Documents()->Add(InsidePath(document));
  // Nothing beside the candidate's file: no lock file, no conversion.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(candidate.Native()), {}), 1);
  auto selection = word->Selection();
  selection->WholeStory();
  ASSERT_GT(OfficePid(), 0);
  kill(OfficePid(), SIGKILL);
  EXPECT_EQ(ErrorOf([&] { selection->Paragraphs(); }), "the office process ended");
  auto started = std::chrono::steady_clock::now();
  selection.reset();
  word.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_EQ(std::filesystem::last_write_time(document), before);

  word = StartUnoWord();
  ASSERT_TRUE(word);
  word->Documents()->Add(InsidePath(document));
  selection = word->Selection();
  selection->WholeStory();
  EXPECT_EQ(selection->Tables()->Count(), 1);
}

TEST_F(OfficeLifecycle, HungOfficeIsKilledAfterTheBoundedWait) {
  std::unique_ptr<ExcelSession> excel = StartUnoExcel({60000, 1500});
  ASSERT_TRUE(excel);
  auto workbooks = excel->Workbooks();
  auto book = workbooks->Open(InsidePath(kAnswers + "excel-right.xls"));
  kill(OfficePid(), SIGSTOP);
  auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(ErrorOf([&] { book->ActiveSheet()->UsedRange(); }), "the office did not answer in time and was ended");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(ErrorOf([&] { workbooks->Open(InsidePath(kAnswers + "excel-right.xls")); }),
            "the office did not answer in time and was ended");
}

TEST_F(OfficeLifecycle, QuitEndsTheOfficeAndLaterCallsFail) {
  std::unique_ptr<ExcelSession> excel = StartUnoExcel();
  ASSERT_TRUE(excel);
  auto workbooks = excel->Workbooks();
  auto book = workbooks->Open(InsidePath(kAnswers + "excel-right.xls"));
  excel->Quit();
  EXPECT_EQ(OfficePid(), -1);
  EXPECT_EQ(ErrorOf([&] { book->ActiveSheet(); }), "the office has quit");
}

TEST_F(OfficeLifecycle, OfficeThatDoesNotComeUpInTimeIsNotStarted) {
  EXPECT_EQ(StartUnoWord({1, 1000}), nullptr);
}

}  // namespace
