#include "window/workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

TEST(PrepareWorkspace, CreatesEachMissingFolderOneLevelDeep) {
  TempHome home;
  home.Folder().Write("conf/global.ini", "[personal_exam]\nsubpath = a\\b,a,1\n");
  home.Folder().Write("考生文件夹/1/keep.txt", "old");
  PrepareWorkspace(IniFile("C:\\conf\\global.ini"), "C:\\update");

  EXPECT_TRUE(fs::is_directory(home.Native("考生文件夹/a")));
  EXPECT_FALSE(fs::exists(home.Native("考生文件夹/a/b")));  // its parent did not exist yet when it was tried
  EXPECT_EQ(home.Folder().Read("考生文件夹/1/keep.txt"), "old");
  EXPECT_TRUE(fs::is_directory(home.Native("WORK")));
  EXPECT_TRUE(fs::is_directory(home.Native("update")));
}

TEST(PrepareWorkspace, UsesTheConfiguredFolderAndSkipsOnesWithoutParent) {
  TempHome home;
  home.Folder().Write("conf/global.ini", "[personal_exam]\npath = C:\\exam\nsubpath = x\n");
  PrepareWorkspace(IniFile("C:\\conf\\global.ini"), "C:\\missing\\update");

  EXPECT_TRUE(fs::is_directory(home.Native("exam/x")));
  EXPECT_FALSE(fs::exists(home.Native("考生文件夹")));
  EXPECT_FALSE(fs::exists(home.Native("missing")));
}

}  // namespace
