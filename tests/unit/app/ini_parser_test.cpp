// Reads of tricky INI text, checked against what Windows' private-profile functions return for the same
// text, except where the system's own integer rule (decimal digits, optional minus) differs.
#include "app/ini_parser.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Every kind of line the conventions talk about; CR LF line ends, no line end after the last line.
const std::string kTricky =
    "; comment line at top\r\n"
    "[Section1]\r\n"
    "Key1=value1\r\n"
    "  Key2   =   value two   \r\n"
    "KeyQuoted=\"quoted value\"\r\n"
    "KeyQuotedPadded=  \"  inner blanks  \"  \r\n"
    "KeySingleQ='single quoted'\r\n"
    "KeyUnbalanced=\"abc\r\n"
    "KeyQuoteInner=a \"b\" c\r\n"
    "KeySemi=abc ; not a comment?\r\n"
    ";KeyCommented=commented\r\n"
    "#HashKey=hash\r\n"
    "DupKey=first\r\n"
    "DupKey=second\r\n"
    "NoEqualsLine\r\n"
    "EmptyVal=\r\n"
    "Eq=a=b\r\n"
    "Key With Space = spaced key\r\n"
    "=emptyname\r\n"
    "Tab\t=\ttabbed\t\r\n"
    "Latin1=caf\xE9\r\n"
    "[ Spaced Section ]\r\n"
    "InSpaced=yes\r\n"
    "  [Indented]  \r\n"
    "InIndented=yes\r\n"
    "[section1]\r\n"
    "FromDupSection=dup\r\n"
    "Key1=fromsecond\r\n"
    "[Ints]\r\n"
    "i_12abc=12abc\r\n"
    "i_abc=abc\r\n"
    "i_neg7=-7\r\n"
    "i_pad42= 42 \r\n"
    "i_hex=0x10\r\n"
    "i_empty=\r\n"
    "i_max=4294967295\r\n"
    "i_big=99999999999\r\n"
    "i_quoted=\"42\"\r\n"
    "i_neg_pad= -3x\r\n"
    "i_octal=010\r\n"
    "[Unclosed\r\n"
    "InUnclosed=1\r\n"
    "[Last]\r\n"
    "LastKey=lastvalue";

struct StringCase {
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class IniStringReads : public testing::TestWithParam<StringCase> {};

TEST_P(IniStringReads, MatchWindowsPrivateProfile) {
  const StringCase& c = GetParam();
  EXPECT_EQ(IniFindValue(kTricky, c.section, c.key), c.expected) << c.section << " / " << c.key;
  std::string lf = kTricky;
  for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  EXPECT_EQ(IniFindValue(lf, c.section, c.key), c.expected) << "LF line ends: " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    TrickyFile, IniStringReads,
    testing::Values(StringCase{"Section1", "Key1", "value1"}, StringCase{"SECTION1", "key1", "value1"},
                    StringCase{"section1", "Key2", "value two"},
                    StringCase{"Section1", "KeyQuoted", "quoted value"},
                    StringCase{"Section1", "KeyQuotedPadded", "  inner blanks  "},
                    StringCase{"Section1", "KeySingleQ", "single quoted"},
                    StringCase{"Section1", "KeyUnbalanced", "\"abc"},
                    StringCase{"Section1", "KeyQuoteInner", "a \"b\" c"},
                    StringCase{"Section1", "KeySemi", "abc ; not a comment?"},
                    StringCase{"Section1", "KeyCommented", std::nullopt},
                    StringCase{"Section1", "#HashKey", "hash"}, StringCase{"Section1", "DupKey", "first"},
                    StringCase{"Section1", "NoEqualsLine", std::nullopt},
                    StringCase{"Section1", "EmptyVal", ""}, StringCase{"Section1", "Eq", "a=b"},
                    StringCase{"Section1", "Key With Space", "spaced key"},
                    StringCase{"Section1", "", "emptyname"}, StringCase{"Section1", "Tab", "tabbed"},
                    StringCase{"Section1", "Latin1", "caf\xE9"},
                    StringCase{"Spaced Section", "InSpaced", "yes"},
                    StringCase{"Indented", "InIndented", "yes"},
                    // A second section of the same name is never searched.
                    StringCase{"section1", "FromDupSection", std::nullopt},
                    // "[Unclosed" is no header: its key belongs to the section before it.
                    StringCase{"Unclosed", "InUnclosed", std::nullopt},
                    StringCase{"Ints", "InUnclosed", "1"}, StringCase{"Last", "LastKey", "lastvalue"},
                    StringCase{"Missing", "Key1", std::nullopt}));

struct IntCase {
  const char* key;
  int expected;
};

class IniIntReads : public testing::TestWithParam<IntCase> {};

TEST_P(IniIntReads, LeadingDecimalDigitsWithOptionalMinus) {
  std::optional<std::string> value = IniFindValue(kTricky, "Ints", GetParam().key);
  ASSERT_TRUE(value);
  int number = 99;
  ASSERT_TRUE(IniParseInt(*value, number));
  EXPECT_EQ(number, GetParam().expected) << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(TrickyFile, IniIntReads,
                         testing::Values(IntCase{"i_12abc", 12}, IntCase{"i_abc", 0}, IntCase{"i_neg7", -7},
                                         IntCase{"i_pad42", 42}, IntCase{"i_hex", 0}, IntCase{"i_max", -1},
                                         IntCase{"i_big", 1215752191}, IntCase{"i_quoted", 42},
                                         IntCase{"i_neg_pad", -3}, IntCase{"i_octal", 10}));

TEST(IniParseInt, EmptyValueCountsAsAbsent) {
  int number = 7;
  EXPECT_FALSE(IniParseInt("", number));
  EXPECT_FALSE(IniParseInt("   ", number));
  EXPECT_EQ(number, 7);
}

TEST(IniFindValue, EncodingsAndLineEnds) {
  EXPECT_EQ(IniFindValue("\xEF\xBB\xBF[BomSec]\r\nk=v\r\nutf8=\xE4\xB8\xAD\r\n", "BomSec", "k"), "v");
  // A UTF-8 file's values come back in the ANSI code page: U+4E2D is D6 D0 in GBK.
  EXPECT_EQ(IniFindValue("\xEF\xBB\xBF[BomSec]\r\nutf8=\xE4\xB8\xAD\r\n", "BomSec", "utf8"), "\xD6\xD0");
  EXPECT_EQ(IniFindValue(std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0", 18), "S", "k"), "v");
  EXPECT_EQ(IniFindValue("[S]\rk=v\rk2=w", "S", "k2"), "w");
  EXPECT_EQ(IniFindValue("orphan=1\r\n[S]\r\n", "", "orphan"), "1");
  EXPECT_EQ(IniFindValue("", "S", "k"), std::nullopt);
}

TEST(IniFindValue, DoubleByteNamesAreNotCaseFolded) {
  // 0x5D (']') and 0x41 ('A') are second bytes of the GBK characters here; they must neither close the
  // header nor be folded to lower case.
  std::string text = "[\x81\x5D\x81\x41]\r\nkey=1\r\n";
  EXPECT_EQ(IniFindValue(text, "\x81\x5D\x81\x41", "key"), "1");
  EXPECT_EQ(IniFindValue(text, "\x81\x5D\x81\x61", "key"), std::nullopt);
}

TEST(IniFindValue, GarbageAndHugeLinesReadAsAbsent) {
  std::string garbage;
  for (int i = 0; i < 100000; ++i) garbage.push_back(static_cast<char>((i * 7919) & 0xFF));
  EXPECT_EQ(IniFindValue(garbage, "server", "port"), std::nullopt);
  std::string huge = "[server]\nport=" + std::string(1 << 20, '9');
  int number = 0;
  EXPECT_TRUE(IniParseInt(*IniFindValue(huge, "server", "port"), number));
}

struct WriteCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;
  std::string after;
};

class IniWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWrites, KeepEveryOtherByte) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(IniSetValue(c.before, c.section, c.key, "10001"), c.after) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, IniWrites,
    testing::Values(
        WriteCase{"value replaced in place", "; top\r\n[Server]\r\nPort = 10000 ; x\r\nmax_port=9\r\n", "server",
                  "port", "; top\r\n[Server]\r\nPort = 10001\r\nmax_port=9\r\n"},
        WriteCase{"empty value filled", "[server]\nport=\nx=1\n", "server", "port", "[server]\nport=10001\nx=1\n"},
        WriteCase{"key added after the section's last line", "[server]\nindex=a\n\n[other]\nk=v\n", "server",
                  "port", "[server]\nindex=a\nport=10001\n\n[other]\nk=v\n"},
        WriteCase{"key added to a last line without line end", "[server]\nindex=a", "server", "port",
                  "[server]\nindex=a\nport=10001\n"},
        WriteCase{"section added at the end", "[a]\r\nk=v", "server", "port",
                  "[a]\r\nk=v\r\n[server]\r\nport=10001\r\n"},
        WriteCase{"first of duplicate sections", "[server]\nx=1\n[server]\nport=5\n", "server", "port",
                  "[server]\nx=1\nport=10001\n[server]\nport=5\n"},
        WriteCase{"byte-order mark kept", "\xEF\xBB\xBF[server]\nport=1\n", "server", "port",
                  "\xEF\xBB\xBF[server]\nport=10001\n"},
        WriteCase{"empty file", "", "server", "port", "[server]\r\nport=10001\r\n"}));

}  // namespace
