#pragma once
// The channel through which a second start of the program reaches the exam window of the first one. It
// is private to the user who runs the program: another user's start can neither reach nor block it.
//
// The running program claims the channel early in its start-up (so two simultaneous starts cannot both
// hold it) and begins to listen only once its exam window exists; a start that finds a listening window
// asks it to come to the front and ends, a start that finds none goes on with its own start-up.
#include <string>

// Asks the exam window listening on the channel `name` to come to the front and waits for its answer.
// True when a window of the same user answered.
bool RequestActivation(const std::string& name);

// Claims the channel `name` for this process without listening on it yet. Returns a handle, or -1 when
// another process holds it or it cannot be created.
int ClaimInstanceChannel(const std::string& name);

// Starts listening on a claimed channel. False on failure.
bool ListenInstanceChannel(int channel);

// Takes one waiting request from a listening channel and answers it. True when it was an activation
// request of the same user, which the caller then carries out.
bool AcceptActivation(int channel);

void CloseInstanceChannel(int channel);
