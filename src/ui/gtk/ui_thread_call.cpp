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
  g_main_context_invoke(nullptr, RunCall, call);
  done.wait();
}
