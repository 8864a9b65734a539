#include "ui/gtk/ui_thread_call.h"

#include <future>
#include <glib.h>

namespace {

struct Call {
  std::function<void()> task;
  std::promise<void> done;
};

gboolean RunCall(gpointer data) {
  auto* call = static_cast<Call*>(data);
  call->task();
  call->done.set_value();
  delete call;
  return G_SOURCE_REMOVE;
}

}  // namespace

void CallOnUiThread(std::function<void()> task) {
  auto* call = new Call{std::move(task), {}};
  std::future<void> done = call->done.get_future();
  // Always queued: g_main_context_invoke would run the task on this thread when the loop is not running.
  g_idle_add_full(G_PRIORITY_DEFAULT, RunCall, call, nullptr);
  done.wait();
}
