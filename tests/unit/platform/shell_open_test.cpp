#include "platform/shell_open.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

// xdg-open replaced by a script that records its open descriptors, then its argument (each file complete
// once it appears), and then lingers, to show that the caller does not wait for the program it opened and
// hands it none of its own descriptors.
TEST(ShellOpen, HandsThePathToXdgOpenWithoutWaiting) {
  TempFolder folder;
  std::string script = folder.Write(
      "bin/xdg-open",
      "#!/bin/sh\nls /proc/$$/fd > \"$0.fds.new\"\nmv \"$0.fds.new\" \"$0.fds\"\n"
      "echo \"$1\" > \"$0.out.new\"\nmv \"$0.out.new\" \"$0.out\"\nsleep 3\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  std::string savedPath = std::getenv("PATH");
  setenv("PATH", (folder.Native() + "/bin:" + savedPath).c_str(), 1);

  // A descriptor without close-on-exec, as a listening socket might be, above those the shell uses itself.
  int opened = open("/dev/null", O_RDONLY);
  int inherited = fcntl(opened, F_DUPFD, 40);
  close(opened);
  auto start = std::chrono::steady_clock::now();
  ShellOpen(folder.Inside() + "\\word\\1001.doc");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  setenv("PATH", savedPath.c_str(), 1);

  for (int i = 0; i < 100 && folder.Read("bin/xdg-open.out").empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(folder.Read("bin/xdg-open.out"), folder.Native() + "/word/1001.doc\n");
  close(inherited);
  std::string descriptors = folder.Read("bin/xdg-open.fds");
  EXPECT_NE(descriptors.find("0\n"), std::string::npos);
  EXPECT_EQ(descriptors.find(std::to_string(inherited) + "\n"), std::string::npos) << descriptors;
}

}  // namespace
