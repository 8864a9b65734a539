#include "scoring/message_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(MessageFile, FollowsTheCriteriaFilesMsgPath) {
  TempFolder root;
  root.Write("score/windows/1.ini", "[msg]\npath=info_12.ini\n");
  root.Write("score/info/info_12.ini", "[msg]\nexist=" + std::string(300, 'x') + "\nhide=H\n");
  std::string webRoot = root.Inside() + "\\";
  IniFile messages = OpenMessageFile(webRoot + "score\\windows\\1.ini", webRoot);
  EXPECT_EQ(messages.Path(), webRoot + "score\\info\\info_12.ini");
  EXPECT_EQ(MessageText(messages, "hide"), "H");
  EXPECT_EQ(MessageText(messages, "exist"), std::string(259, 'x'));
  EXPECT_EQ(MessageText(messages, "missing"), "");
  EXPECT_EQ(OpenMessageFile(IniFile(webRoot + "score\\windows\\1.ini"), webRoot).Path(), messages.Path());
}

TEST(MessageFile, AbsentPathNamesTheInfoFolderAndYieldsNothing) {
  TempFolder root;
  root.Write("score/windows/1.ini", "[score]\nall_score=5\n");
  root.Write("score/info/x.ini", "[msg]\nexist=E\n");
  std::string webRoot = root.Inside() + "\\";
  IniFile messages = OpenMessageFile(webRoot + "score\\windows\\1.ini", webRoot);
  EXPECT_EQ(messages.Path(), webRoot + "score\\info\\");
  EXPECT_EQ(MessageText(messages, "exist"), "");
  EXPECT_EQ(MessageText(OpenMessageFile(webRoot + "score\\windows\\none.ini", webRoot), "exist"), "");
}

}  // namespace
