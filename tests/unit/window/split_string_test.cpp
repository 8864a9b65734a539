#include "window/split_string.h"

#include <gtest/gtest.h>

#include "scoring/split_set.h"

namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
  const char* text;
  char separator;
  Pieces expected;
};

class SplitStringCases : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitStringCases, CutsAsTheSystemDoes) {
  EXPECT_EQ(SplitString(GetParam().text, GetParam().separator), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SplitStringCases,
    testing::Values(SplitCase{"x|y|z", '|', {"x", "y", "z"}}, SplitCase{"a|", '|', {"a", ""}},
                    SplitCase{"a||b", '|', {"a", "|b"}}, SplitCase{"|a", '|', {"|a"}}, SplitCase{"", '|', {}},
                    SplitCase{" \t\r\n ", '|', {}}, SplitCase{"  12|1001.doc|7 \r\n", '|', {"12", "1001.doc", "7"}},
                    SplitCase{"a | b", '|', {"a ", " b"}},
                    // 0x7C ('|') as the second byte of a GBK character is no separator.
                    SplitCase{"\x81\x7C|b", '|', {"\x81\x7C", "b"}}));

TEST(SplitSet, MembersOrderAndCase) {
  EXPECT_EQ(SplitSet("move,attr", ','), (std::set<std::string>{"attr", "move"}));
  EXPECT_EQ(*SplitSet("move,attr", ',').begin(), "attr");
  EXPECT_EQ(SplitSet("move,,attr", ','), (std::set<std::string>{"move", ",attr"}));
  EXPECT_EQ(SplitSet("move,move", ','), (std::set<std::string>{"move"}));
  EXPECT_EQ(SplitSet(" move , attr ", ','), (std::set<std::string>{"move ", " attr"}));
  EXPECT_EQ(SplitSet("hide,system", ',').count("Hide"), 0u);
  EXPECT_TRUE(SplitSet("", ',').empty());
  // Bytes compare unsigned: a double-byte character sorts after ASCII.
  EXPECT_EQ(*SplitSet("\xB1\xEA,z", ',').rbegin(), "\xB1\xEA");
}

}  // namespace
