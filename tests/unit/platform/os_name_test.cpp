#include <gtest/gtest.h>

#include "platform/os_name.h"

namespace {

TEST(OsName, PrettyNameOfOsRelease) {
  EXPECT_EQ(OsReleasePrettyName("NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n"),
            "Debian GNU/Linux 12 (bookworm)");
  EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME=Plain\n"), "Plain");
  EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME='Single \\ quoted'"), "Single \\ quoted");
  EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME=\"Say \\\"hi\\\"\""), "Say \"hi\"");
  EXPECT_EQ(OsReleasePrettyName("NAME=x\nXPRETTY_NAME=y\n"), "");
  EXPECT_FALSE(GetOsName().empty());
}

}  // namespace
