#pragma once
// Network probes.

// True when a TCP socket can be bound to `port` on all local IPv4 addresses (no address reuse). The socket
// is closed at once, so nothing stays open and another program may take the port afterwards.
bool CanBindPort(int port);
