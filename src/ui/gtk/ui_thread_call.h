#pragma once
// A synchronous call from another thread into the window's thread, as the update thread's report needs it.
#include <functional>

// Runs `task` on the thread of the default GLib main loop and returns once it has run.
void CallOnUiThread(std::function<void()> task);
