#include "window/navigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NavigationCase {
  std::string checkUrl;
  std::string url;
  std::vector<std::string> expected;  // "open:<argument>" and "score:<segment>" in call order
};

class NavigationCases : public testing::TestWithParam<NavigationCase> {};

TEST_P(NavigationCases, RecognisesTheCommands) {
  std::vector<std::string> calls;
  NavigationCommands commands{[&](const std::string& argument) { calls.push_back("open:" + argument); },
                              [&](const std::string& segment) { calls.push_back("score:" + segment); }};
  HandleNavigation(GetParam().url, "http://127.0.0.1:10000/", GetParam().checkUrl, commands);
  EXPECT_EQ(calls, GetParam().expected) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Urls, NavigationCases,
    testing::Values(
        NavigationCase{"check", "http://127.0.0.1:10000/check/5/", {"score:5"}},
        NavigationCase{"check", "http://127.0.0.1:10000/check/5", {"score:"}},
        NavigationCase{"check", "http://127.0.0.1:10000/check/5/#bank_2", {}},
        NavigationCase{"check", "http://127.0.0.1:10000/Check/5/", {}},
        NavigationCase{"check", "http://127.0.0.1:10000/check", {"score:"}},
        NavigationCase{"check", "http://127.0.0.1:10000/chec", {}},
        // The character after the prefix is skipped whatever it is.
        NavigationCase{"check", "http://127.0.0.1:10000/checkX12/", {"score:12"}},
        NavigationCase{"check", "http://127.0.0.1:10001/check/5/", {}},
        NavigationCase{"check", "JAVASCRIPT:VOID('FN=a|b.doc');", {"open:a|b.doc"}},
        NavigationCase{"check", "javascript:void('fn=word|1001.doc');", {"open:word|1001.doc"}},
        NavigationCase{"check", "javascript:void('fn=');", {"open:"}},
        NavigationCase{"check", "javascript:void('fn=x", {"open:"}},
        NavigationCase{"check", "javascript:void('f", {}},
        // A GBK character keeps its bytes; only the prefix is compared without case.
        NavigationCase{"check", "javascript:void('fn=\xB1\xA8\xB8\xE6|A.doc');", {"open:\xB1\xA8\xB8\xE6|A.doc"}},
        NavigationCase{"", "http://127.0.0.1:10000/index.php/7/x", {"score:ndex.php"}},
        NavigationCase{"", "http://127.0.0.1:10000/", {"score:"}},
        NavigationCase{"", "http://127.0.0.1:10000/#bank_1", {}}));

}  // namespace
