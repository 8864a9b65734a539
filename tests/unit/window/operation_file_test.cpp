#include "window/operation_file.h"

#include <gtest/gtest.h>

#include <optional>

#include "window/folder_name.h"

namespace {

const std::string kRoot = "C:\\exam\\www\\";

struct PathCase {
  std::string argument;
  std::optional<std::string> expected;  // below the root; nullopt when refused
};

class OperationFilePaths : public testing::TestWithParam<PathCase> {};

TEST_P(OperationFilePaths, StayInsideTheOperationFolder) {
  auto path = OperationFilePath(kRoot, GetParam().argument);
  std::optional<std::string> expected;
  if (GetParam().expected) expected = kRoot + *GetParam().expected;
  EXPECT_EQ(path, expected) << GetParam().argument;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OperationFilePaths,
    testing::Values(PathCase{"word|1001.doc", "operation\\word\\1001.doc"},
                    PathCase{"excel|sub|book.xls", "operation\\excel\\sub\\book.xls"},
                    PathCase{"", "operation\\"}, PathCase{"word|", "operation\\word\\"},
                    PathCase{"  word|a.doc \r\n", "operation\\word\\a.doc"},
                    // GBK characters whose second byte is '\' or '|' are names, not separators.
                    PathCase{"\xD7\x5C|a.doc", "operation\\\xD7\x5C\\a.doc"},
                    PathCase{"..|..|windows|notepad.exe", std::nullopt}, PathCase{"..", std::nullopt},
                    PathCase{"word|..", std::nullopt}, PathCase{"word|. .", std::nullopt},
                    PathCase{"C:\\windows\\notepad.exe", std::nullopt}, PathCase{"word|a/../../x", std::nullopt},
                    PathCase{"word|a\\b.doc", std::nullopt}, PathCase{"word|c:x.doc", std::nullopt},
                    PathCase{"word|a.doc:stream", std::nullopt},
                    // "a||b" splits into "a" and "|b": a name with a bar, still inside the folder.
                    PathCase{"a||b", "operation\\a\\|b"}));

TEST(FolderName, RefusesNamesThatLeaveTheFolder) {
  for (const char* good : {"a", "1001.doc", ".hidden", "a..", "\xB1\xA8\xB8\xE6.txt", "|7"})
    EXPECT_TRUE(IsFolderName(good)) << good;
  for (const char* bad : {"", ".", "..", " ", "...", "a\\b", "a/b", "C:", "a\tb"})
    EXPECT_FALSE(IsFolderName(bad)) << bad;
}

}  // namespace
