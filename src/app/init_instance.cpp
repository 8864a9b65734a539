#include <memory>

#include "app/app_shell.h"
#include "app/demo_app.h"
#include "app/texts.h"
#include "platform/instance_channel.h"
#include "platform/process.h"
#include "update/replace_updater.h"
#include "update/update_ready.h"
#include "window/workspace.h"

bool CDemoApp::InitInstance(AppShell& shell) {
  std::string channelName = AnsiText(APP_TITLE);
  // A running exam window of this user comes to the front and this start ends. A start that is still in
  // its own start-up holds the channel without answering: this one then goes on with its start-up.
  if (RequestActivation(channelName)) ExitProcessNow(0);
  instanceChannel_ = ClaimInstanceChannel(channelName);

  shell.ShowSplash();
  if (int failed = StartWebServer()) {
    shell.ShowMessage(StartupMessage(failed));
    // The splash stays behind the message of a missing server folder until the process ends.
    if (failed != MSG_SERVER_FOLDER_MISSING) shell.DestroySplash();
    FatalExit();
  }
  PrepareWorkspace(*configuration, updateFolder);
  auto relay = std::make_shared<UpdateReadyRelay>();
  ReplaceUpdater(*configuration, currentVersion, updateFolder, relay);

  // A start beside another one may not have got the channel; the other one may be gone by now.
  if (instanceChannel_ < 0) instanceChannel_ = ClaimInstanceChannel(channelName);
  shell.RunExamWindow(*supervisor, instanceChannel_, *relay);
  CloseInstanceChannel(instanceChannel_);
  instanceChannel_ = -1;
  return false;
}
