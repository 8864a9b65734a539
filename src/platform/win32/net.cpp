#include "platform/net.h"

#include <winsock2.h>

bool CanBindPort(int port) {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started || port <= 0 || port > 65535) return false;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(static_cast<u_short>(port));
  bool bound = bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  closesocket(s);
  return bound;
}
