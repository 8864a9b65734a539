#include "platform/shell_open.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

// xdg-open replaced by a script that records its argument and then lingers, to show that the caller
// does not wait for the program it opened.
TEST(ShellOpen, HandsThePathToXdgOpenWithoutWaiting) {
  TempFolder folder;
  std::string script = folder.Write("bin/xdg-open", "#!/bin/sh\necho \"$1\" > \"$0.out\"\nsleep 3\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  std::string savedPath = std::getenv("PATH");
  setenv("PATH", (folder.Native() + "/bin:" + savedPath).c_str(), 1);

  auto start = std::chrono::steady_clock::now();
  ShellOpen(folder.Inside() + "\\word\\1001.doc");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  setenv("PATH", savedPath.c_str(), 1);

  for (int i = 0; i < 100 && folder.Read("bin/xdg-open.out").empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(folder.Read("bin/xdg-open.out"), folder.Native() + "/word/1001.doc\n");
}

}  // namespace
