#include "ui/gtk/instance_watch.h"

#include <glib-unix.h>

#include "platform/instance_channel.h"

namespace {

gboolean OnRequest(gint channel, GIOCondition, gpointer activate) {
  if (AcceptActivation(channel)) (*static_cast<std::function<void()>*>(activate))();
  return G_SOURCE_CONTINUE;
}

void DeleteCallback(gpointer activate) { delete static_cast<std::function<void()>*>(activate); }

}  // namespace

unsigned WatchInstanceChannel(int channel, std::function<void()> activate) {
  if (channel < 0 || !ListenInstanceChannel(channel)) return 0;
  return g_unix_fd_add_full(G_PRIORITY_DEFAULT, channel, G_IO_IN, OnRequest,
                     new std::function<void()>(std::move(activate)), DeleteCallback);
}
