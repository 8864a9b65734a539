#include <gtest/gtest.h>

#include <sys/xattr.h>

#include <cstdlib>
#include <filesystem>

#include "platform/codepage.h"
#include "platform/file_attributes.h"
#include "platform/recycle_bin.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

TEST(IsInRecycleBin, FindsWhatGioTrashedByItsOriginalName) {
  TempHome home;
  home.Folder().Write("报告.txt", "x");
  home.Folder().Write("docs/a b%.txt", "x");
  ASSERT_EQ(std::system(("gio trash '" + home.Native("报告.txt") + "' '" + home.Native("docs/a b%.txt") + "'").c_str()),
            0);

  EXPECT_TRUE(IsInRecycleBin(Utf8ToAnsi("报告.txt")));
  EXPECT_TRUE(IsInRecycleBin("a b%.txt"));
  EXPECT_FALSE(IsInRecycleBin("docs"));
  EXPECT_FALSE(IsInRecycleBin(Utf8ToAnsi("报告")));
  EXPECT_FALSE(IsInRecycleBin(""));
}

TEST(IsInRecycleBin, IgnoresMalformedAndOrphanedEntries) {
  TempHome home;
  const std::string trash = ".local/share/Trash/";
  struct {
    const char* stored;  // name in files/ and info/
    const char* info;    // .trashinfo contents
    bool withFile;
  } entries[] = {
      {"nosection", "Path=/x/nosection.txt\n", true},
      {"nopath", "[Trash Info]\nDeletionDate=2020-01-01T00:00:00\n", true},
      {"orphan", "[Trash Info]\nPath=/x/orphan.txt\n", false},
      {"other", "[Other]\nPath=/x/other.txt\n[Trash Info]\nDeletionDate=x\n", true},
      {"crlf", "[Trash Info]\r\nPath=/x/%E6%8A%A5%E5%91%8A%ZZ.txt\r\n", true},
      {"binary", "\x01\xFF[Trash Info\nPath=", true},
  };
  for (const auto& e : entries) {
    home.Folder().Write(trash + "info/" + e.stored + ".trashinfo", e.info);
    if (e.withFile) home.Folder().Write(trash + "files/" + e.stored, "x");
  }
  for (const char* name : {"nosection.txt", "nopath", "orphan.txt", "other.txt", ""})
    EXPECT_FALSE(IsInRecycleBin(name)) << name;
  EXPECT_TRUE(IsInRecycleBin(Utf8ToAnsi("报告%ZZ.txt")));
}

TEST(GetFileAttributeBits, MapsDotNamesPermissionsAndTheDosAttribute) {
  TempHome home;
  home.Folder().Write("plain.txt", "x");
  home.Folder().Write(".hidden.txt", "x");
  home.Folder().Write("locked.txt", "x");
  home.Folder().Write("dos.txt", "x");
  fs::create_directory(home.Native(".folder"));
  fs::permissions(home.Native("locked.txt"), fs::perms::owner_read | fs::perms::group_read);
  // Samba's form: the attributes as "0x.." text, then a binary record that is not read.
  std::string dos("0x24\0\x03\x00", 7);
  if (setxattr(home.Native("dos.txt").c_str(), "user.DOSATTRIB", dos.data(), dos.size(), 0) != 0)
    GTEST_SKIP() << "this file system keeps no user extended attributes";

  EXPECT_EQ(GetFileAttributeBits("C:\\plain.txt"), 0u);
  EXPECT_EQ(GetFileAttributeBits("C:\\.hidden.txt"), ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributeBits("C:\\.folder\\"), ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributeBits("C:\\locked.txt"), ATTRIBUTE_READONLY);
  EXPECT_EQ(GetFileAttributeBits("C:\\dos.txt"), ATTRIBUTE_SYSTEM | ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(GetFileAttributeBits("C:\\none.txt"), 0u);
}

}  // namespace
