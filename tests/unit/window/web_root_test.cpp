#include "window/web_root.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(WebRoot, ComposesTheThreeSettings) {
  TempFolder install;
  install.Write("conf/global.ini", "[webserver]\npath=server\nwebserver=nginx\nwebroot=html\n");
  EXPECT_EQ(WebRoot(install.Inside()), install.Inside() + "\\server\\nginx\\html\\");
}

TEST(WebRoot, AbsentValuesLeaveEmptyPlaces) {
  TempFolder install;
  EXPECT_EQ(WebRoot(install.Inside()), install.Inside() + "\\\\\\\\");
  install.Write("conf/global.ini", "[webserver]\npath=server\nwebserver=nginx\n");
  EXPECT_EQ(WebRoot(install.Inside()), install.Inside() + "\\server\\nginx\\\\");
}

}  // namespace
