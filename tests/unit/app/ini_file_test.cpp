#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(IniFile, ChoosesGlobalIniThenDistThenMissing) {
  TempFolder install;
  EXPECT_EQ(IniFile::Configuration(install.Inside()).State(), INI_MISSING);
  EXPECT_EQ(IniFile::Configuration(install.Inside()).Path(), install.Inside() + "\\conf\\global.ini-dist");

  install.Write("conf/global.ini-dist", "[server]\nport=2000\n");
  IniFile dist = IniFile::Configuration(install.Inside());
  EXPECT_EQ(dist.State(), INI_DIST);
  int port = 0;
  ASSERT_TRUE(dist.ReadInt("server", "port", port));
  EXPECT_EQ(port, 2000);
  // Writes go to the -dist file; no global.ini is made.
  EXPECT_TRUE(dist.WriteInt("server", "port", 2001));
  EXPECT_EQ(install.Read("conf/global.ini-dist"), "[server]\nport=2001\n");
  EXPECT_FALSE(fs::exists(install.Native() + "/conf/global.ini"));

  install.Write("conf/global.ini", "[server]\nport=1000\n");
  IniFile global = IniFile::Configuration(install.Inside());
  EXPECT_EQ(global.State(), INI_FOUND);
  EXPECT_EQ(global.Path(), install.Inside() + "\\conf\\global.ini");
}

TEST(IniFile, ExplicitPathIsTakenUnchecked) {
  IniFile file("C:\\nowhere\\criteria.ini");
  EXPECT_EQ(file.State(), INI_FOUND);
  EXPECT_FALSE(file.Exists());
  std::string buffer = "kept";
  EXPECT_EQ(file.ReadString("score", "all_score", buffer, 260), 0u);
  EXPECT_EQ(buffer, "kept");
  int value = 5;
  EXPECT_FALSE(file.ReadInt("score", "all_score", value));
  EXPECT_EQ(value, 5);
}

TEST(IniFile, ReadsCutValuesAndMarkAbsentIntegers) {
  TempFolder folder;
  folder.Write("a.ini", "[server]\nindex=" + std::string(40, 'x') + "\nport=abc\n");
  IniFile file(folder.Inside() + "\\a.ini");
  std::string index;
  EXPECT_EQ(file.ReadString("server", "index", index, 32), 31u);
  EXPECT_EQ(index, std::string(31, 'x'));
  int value = 0;
  ASSERT_TRUE(file.ReadInt("server", "port", value));
  EXPECT_EQ(value, 0);  // "abc" reads 0, not absent
  ASSERT_TRUE(file.ReadInt("server", "missing", value));
  EXPECT_EQ(value, INI_ABSENT);
  EXPECT_EQ(ReadIniInt(folder.Inside() + "\\a.ini", "server", "missing", -1712), -1712);
  EXPECT_EQ(ReadIniString(folder.Inside() + "\\none.ini", "s", "k", "dflt", 260), "dflt");
}

TEST(IniFile, WriteIntNeverCreatesAndRespectsReadOnly) {
  TempFolder folder;
  std::string path = folder.Write("g.ini", "[server]\nport=1\n");
  IniFile file(folder.Inside() + "\\g.ini");
  fs::remove(path);
  EXPECT_FALSE(file.WriteInt("server", "port", 2));
  EXPECT_FALSE(fs::exists(path));

  folder.Write("g.ini", "[server]\nport=1\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(file.WriteInt("server", "port", 2));
  EXPECT_EQ(folder.Read("g.ini"), "[server]\nport=1\n");
}

TEST(IniFile, WriteIntReplacesTheFileWhole) {
  TempFolder folder;
  std::string path = folder.Write("g.ini", "; keep me\n[server]\nport = 1\n");
  IniFile file(folder.Inside() + "\\g.ini");
  EXPECT_TRUE(file.WriteInt("server", "port", 10001));
  EXPECT_EQ(folder.Read("g.ini"), "; keep me\n[server]\nport = 10001\n");
  // Nothing is left beside it.
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Native())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(IniFile, FolderInPlaceOfTheFileReadsDefaultsAndWritesNothing) {
  TempFolder folder;
  fs::create_directories(folder.Native() + "/dir.ini");
  IniFile file(folder.Inside() + "\\dir.ini");
  EXPECT_TRUE(file.Exists());
  std::string buffer = "x";
  EXPECT_EQ(file.ReadString("s", "k", buffer, 260), 0u);
  EXPECT_FALSE(file.WriteInt("s", "k", 1));
  EXPECT_TRUE(fs::is_directory(folder.Native() + "/dir.ini"));
}

TEST(IniFile, WriteStringEditsOnlyThatValue) {
  TempFolder folder;
  folder.Write("g.ini", "; installed\r\n[Version]\r\nversion = 2.0\r\n[server]\r\nport=1\r\n");
  IniFile file(folder.Inside() + "\\g.ini");
  EXPECT_TRUE(file.WriteString("version", "version", "2.1"));
  EXPECT_EQ(folder.Read("g.ini"), "; installed\r\n[Version]\r\nversion = 2.1\r\n[server]\r\nport=1\r\n");
  EXPECT_TRUE(file.WriteString("download", "path", "update"));
  std::string path;
  EXPECT_EQ(file.ReadString("download", "path", path, 260), 6u);
}

}  // namespace
