#pragma once
// Answers a second start's activation requests from the window's event loop.
#include <functional>

// Starts listening on the claimed instance channel and calls `activate` for every activation request
// of the same user. Returns the watch's GLib source id; 0 (nothing watched) for a channel of -1 (none
// could be claimed) or one that cannot listen.
unsigned WatchInstanceChannel(int channel, std::function<void()> activate);
