#include "support/loopback_server.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {

bool WaitReadable(int fd, const std::atomic<bool>& stop) {
  pollfd p{fd, POLLIN, 0};
  while (!stop) {
    int n = poll(&p, 1, 20);
    if (n > 0) return true;
    if (n < 0) return false;
  }
  return false;
}

// Reads the head and, when it names one, a body of Content-Length bytes.
std::string ReadRequest(int fd, const std::atomic<bool>& stop) {
  std::string request;
  size_t wanted = std::string::npos;
  char buffer[65536];
  while (request.size() < wanted && WaitReadable(fd, stop)) {
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<size_t>(n));
    size_t headEnd = request.find("\r\n\r\n");
    if (headEnd == std::string::npos) continue;
    size_t length = 0;
    size_t at = request.find("Content-Length: ");
    if (at != std::string::npos && at < headEnd) length = std::strtoul(request.c_str() + at + 16, nullptr, 10);
    wanted = headEnd + 4 + length;
  }
  return request;
}

}  // namespace

LoopbackServer::LoopbackServer(Answer answer) : answer_(std::move(answer)) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      listen(listener_, 16) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("cannot listen on a loopback port");
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  thread_.join();
  close(listener_);
}

std::vector<std::string> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string LoopbackServer::Response(const std::string& status, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

void LoopbackServer::Serve() {
  while (WaitReadable(listener_, stop_)) {
    int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Handle(connection);
    close(connection);
  }
}

void LoopbackServer::Handle(int connection) {
  std::string request = ReadRequest(connection, stop_);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  std::optional<std::string> reply = answer_(request);
  if (!reply) {
    pollfd p{connection, POLLRDHUP, 0};
    while (!stop_ && poll(&p, 1, 20) == 0) {
    }
    return;
  }
  for (size_t sent = 0; sent < reply->size() && !stop_;) {
    ssize_t n = send(connection, reply->data() + sent, reply->size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<size_t>(n);
  }
}
