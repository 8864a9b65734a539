#include "platform/instance_channel.h"

#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

// The channel is an abstract Unix socket named after the caller's name and the user id. Abstract names are
// shared by every user of the machine, hence the user id in the name and the peer check on both sides.

namespace {

constexpr char kRequest[] = "activate\n";
constexpr char kAnswer[] = "ok\n";
constexpr int kAnswerSeconds = 5;

socklen_t ChannelAddress(const std::string& name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  std::string full = name + "." + std::to_string(getuid());
  size_t room = sizeof address.sun_path - 1;  // the first byte stays 0: an abstract name
  if (full.size() > room) full.resize(room);
  std::memcpy(address.sun_path + 1, full.data(), full.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + full.size());
}

bool PeerIsSameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

void SetTimeout(int fd, int seconds) {
  timeval limit{seconds, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

// Reads what the other side sends, up to `expected`'s length; true when it is exactly that.
bool Receive(int fd, const char* expected) {
  size_t length = std::strlen(expected);
  std::string got;
  char buffer[16];
  while (got.size() < length) {
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    got.append(buffer, static_cast<size_t>(n));
  }
  return got == expected;
}

bool Send(int fd, const char* text) {
  size_t length = std::strlen(text);
  return send(fd, text, length, MSG_NOSIGNAL) == static_cast<ssize_t>(length);
}

}  // namespace

bool RequestActivation(const std::string& name) {
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address;
  socklen_t size = ChannelAddress(name, address);
  SetTimeout(fd, kAnswerSeconds);
  bool answered = connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 && PeerIsSameUser(fd) &&
                  Send(fd, kRequest) && Receive(fd, kAnswer);
  close(fd);
  return answered;
}

int ClaimInstanceChannel(const std::string& name) {
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_un address;
  socklen_t size = ChannelAddress(name, address);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool ListenInstanceChannel(int channel) {
  // Non-blocking, so that a request which went away before it was taken cannot stall the window.
  return channel >= 0 && fcntl(channel, F_SETFL, fcntl(channel, F_GETFL) | O_NONBLOCK) == 0 &&
         listen(channel, 4) == 0;
}

bool AcceptActivation(int channel) {
  int fd = accept4(channel, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return false;
  SetTimeout(fd, 1);
  bool activate = PeerIsSameUser(fd) && Receive(fd, kRequest) && Send(fd, kAnswer);
  close(fd);
  return activate;
}

void CloseInstanceChannel(int channel) {
  if (channel >= 0) close(channel);
}
