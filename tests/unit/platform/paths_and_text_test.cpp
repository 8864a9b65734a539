#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/texts.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

const std::string kCandidateFolderGbk = "\xBF\xBC\xC9\xFA\xCE\xC4\xBC\xFE\xBC\xD0";  // 考生文件夹

TEST(Codepage, GbkRoundTripsAndUnmappableBecomesQuestionMark) {
  EXPECT_EQ(Utf8ToAnsi("考生文件夹"), kCandidateFolderGbk);
  EXPECT_EQ(AnsiToUtf8(kCandidateFolderGbk), "考生文件夹");
  EXPECT_EQ(AnsiToUtf16(kCandidateFolderGbk), u"考生文件夹");
  EXPECT_EQ(Utf16ToAnsi(u"a考b"), "a\xBF\xBC" "b");
  EXPECT_EQ(Utf8ToAnsi("a😀b"), "a?b");
  EXPECT_EQ(Utf16ToAnsi(u"x😀y"), "x?y");
  EXPECT_EQ(AnsiToUtf8("ok\xFF"), "ok?");  // a lone lead byte at the end
  EXPECT_EQ(Utf8ToAnsi("\xC3("), "?(");
  EXPECT_EQ(AnsiToUtf16("a\xFF"), u"a?");
}

TEST(Texts, MessagesAreAnsiBytes) {
  EXPECT_EQ(AnsiToUtf8(MessageString(MSG_CONFIG_MISSING)), "程序找不到配制文件(错误代码:-1)");
  EXPECT_EQ(AnsiToUtf8(MessageString(MSG_SERVER_NOT_STARTED)), "服务器未能启动(错误代码:-4)");
  EXPECT_EQ(MessageString(999), "");
}

TEST(Paths, InsidePathsMapToTheHomeFolder) {
  std::string home = std::getenv("HOME");
  EXPECT_EQ(NativePath("C:\\" + kCandidateFolderGbk), home + "/考生文件夹");
  EXPECT_EQ(NativePath("c:\\WORK\\a"), home + "/WORK/a");
  EXPECT_EQ(NativePath("C:"), home);
  EXPECT_EQ(NativePath("\\tmp\\x"), "/tmp/x");
  EXPECT_EQ(NativePath("D:\\data"), "/data");
  EXPECT_EQ(InsidePath(home + "/考生文件夹"), "C:\\" + kCandidateFolderGbk);
  EXPECT_EQ(InsidePath("/tmp/x"), "\\tmp\\x");
}

TEST(Paths, ExistenceIgnoresTrailingSeparatorsAndOverlongPaths) {
  TempFolder folder;
  folder.Write("f.txt", "x");
  EXPECT_TRUE(PathExists(folder.Inside() + "\\f.txt"));
  EXPECT_TRUE(PathExists(folder.Inside() + "\\\\"));
  EXPECT_FALSE(PathExists(folder.Inside() + "\\missing"));
  EXPECT_FALSE(PathExists(""));
  std::string deep = folder.Inside();
  while (deep.size() <= 259) deep += "\\.";
  EXPECT_FALSE(PathExists(deep));
  EXPECT_FALSE(PathExists(std::string(100000, 'a')));
}

TEST(Paths, ExeFolderIsTheTestBinarysFolder) {
  std::string folder = GetExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(std::filesystem::exists(NativePath(folder) + "/unit_tests"));
}

}  // namespace
