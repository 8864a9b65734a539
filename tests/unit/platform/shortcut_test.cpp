#include "platform/shortcut.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/posix/shell_link_parser.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

std::string Fixture(const std::string& name) {
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(InsidePath(std::string(EXAMHOST_SOURCE_DIR) + "/tests/fixtures/lnk/" + name), bytes))
      << name;
  return bytes;
}

struct LinkCase {
  const char* file;
  std::string target;  // GBK bytes, as the shell link object reports them
};

class ShellLinkFixtures : public testing::TestWithParam<LinkCase> {};

TEST_P(ShellLinkFixtures, GiveTheTargetByteForByte) {
  std::string bytes = Fixture(GetParam().file);
  EXPECT_EQ(ShellLinkTarget(bytes), GetParam().target);
  // Any cut-off copy is read without overrunning it; one without the whole header is no link.
  for (size_t size = 0; size < bytes.size(); ++size) {
    auto target = ShellLinkTarget(std::string_view(bytes).substr(0, size));
    if (size < 0x4C) {
      EXPECT_EQ(target, std::nullopt);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    MadeByAShellLinkImplementation, ShellLinkFixtures,
    testing::Values(LinkCase{"notepad.lnk", "C:\\windows\\system32\\notepad.exe"},
                    LinkCase{"work-folder.lnk", "C:\\WORK"}, LinkCase{"args.lnk", "C:\\WORK\\a.txt"},
                    LinkCase{"missing.lnk", "C:\\nowhere\\ghost.txt"},
                    LinkCase{"gbk-report.lnk", "C:\\\xBF\xBC\xC9\xFA\xCE\xC4\xBC\xFE\xBC\xD0\\\xB1\xA8\xB8\xE6.txt"},
                    LinkCase{"gbk-missing.lnk",
                             "C:\\\xBF\xBC\xC9\xFA\xCE\xC4\xBC\xFE\xBC\xD0\\\xB2\xBB\xB4\xE6\xD4\xDA\\\xCB\xB5"
                             "\xC3\xF7.doc"}));

// A minimal shell link: the header with `flags`, then `body`.
std::string Link(uint32_t flags, const std::string& body) {
  std::string header(0x4C, '\0');
  header[0] = 0x4C;
  header.replace(4, 16, std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
  for (int i = 0; i < 4; ++i) header[0x14 + i] = static_cast<char>(flags >> (8 * i));
  return header + body;
}

std::string Le16(size_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; }
std::string Le32(size_t value) { return Le16(value & 0xFFFF) + Le16(value >> 16); }

TEST(ShellLinkTarget, FallsBackToTheItemListAndReadsUnicodeLinkInfo) {
  // No link information: a drive item and two file entries (the second with a GBK name).
  auto item = [](char type, const std::string& data) { return Le16(data.size() + 3) + type + data; };
  std::string list = item('\x2F', std::string("C:\\\0", 4)) +
                     item('\x31', std::string(11, '\0') + std::string("WORK\0", 5)) +
                     item('\x32', std::string(11, '\0') + std::string("\xB1\xA8\xB8\xE6.txt\0", 9)) + Le16(0);
  EXPECT_EQ(ShellLinkTarget(Link(0x01, Le16(list.size()) + list)), "C:\\WORK\\\xB1\xA8\xB8\xE6.txt");

  // Link information with Unicode paths (header size 0x24): they win over the 8-bit ones.
  std::u16string wide = u"C:\\报告";
  std::string wideBytes;
  for (char16_t unit : wide) wideBytes += Le16(unit);
  std::string info = Le32(0x24) + Le32(1) + Le32(0) + Le32(0x24) + Le32(0) + Le32(0x29) + Le32(0x2A) +
                     Le32(0x34);
  info += std::string("x:\\\0\0", 5) + std::string("\0", 1) + wideBytes + std::string("\0\0\0\0", 4);
  std::string body = Le32(info.size() + 4) + info;
  EXPECT_EQ(ShellLinkTarget(Link(0x02, body)), "C:\\\xB1\xA8\xB8\xE6");

  EXPECT_EQ(ShellLinkTarget(Link(0, "")), "");  // a link that names no path
  EXPECT_EQ(ShellLinkTarget(Link(0x02, Le32(0x1000))), std::nullopt);  // link information past the end
  EXPECT_EQ(ShellLinkTarget(std::string(0x4C, 'L')), std::nullopt);
}

TEST(ResolveShortcut, ReadsLnkFilesSymbolicLinksAndDesktopEntries) {
  TempHome home;
  home.Folder().Write("Desktop/notepad.lnk", Fixture("notepad.lnk"));
  home.Folder().Write("Desktop/garbage.lnk", "not a link at all");
  home.Folder().Write("docs/报告 1.txt", "x");
  fs::create_symlink(home.Native("docs/报告 1.txt"), home.Native("Desktop/absolute"));
  fs::create_symlink("../docs", home.Native("Desktop/relative"));
  home.Folder().Write("Desktop/report.desktop", "[Desktop Entry]\nType=Link\nURL=file://" + home.Native("docs") +
                                                    "/%E6%8A%A5%E5%91%8A%201.txt\n");
  home.Folder().Write("Desktop/calc.desktop", "[Desktop Entry]\nType=Application\nExec=/usr/bin/calc %U\n");

  struct {
    const char* link;
    bool loaded;
    std::string target;
  } cases[] = {
      {"C:\\Desktop\\notepad.lnk", true, "C:\\windows\\system32\\notepad.exe"},
      {"C:\\Desktop\\absolute", true, Utf8ToAnsi("C:\\docs\\报告 1.txt")},
      {"C:\\Desktop\\relative", true, "C:\\docs"},
      {"C:\\Desktop\\report.desktop", true, Utf8ToAnsi("C:\\docs\\报告 1.txt")},
      {"C:\\Desktop\\calc.desktop", true, "\\usr\\bin\\calc"},
      {"C:\\Desktop\\garbage.lnk", false, "unchanged"},
      {"C:\\Desktop\\none.lnk", false, "unchanged"},
  };
  for (const auto& c : cases) {
    std::string target = "unchanged";
    EXPECT_EQ(ResolveShortcut(c.link, target), c.loaded) << c.link;
    EXPECT_EQ(target, c.target) << c.link;
  }
}

}  // namespace
