#pragma once
// A tiny HTTP server on 127.0.0.1 for tests of clients: it records every request and answers each with the
// bytes a test gives, so tests can see exactly what went on the wire and feed broken answers back.
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  // `answer` receives one whole request (head and body) and returns the raw bytes sent back before the
  // connection is closed; std::nullopt sends nothing and holds the connection open until the server ends.
  using Answer = std::function<std::optional<std::string>(const std::string& request)>;
  explicit LoopbackServer(Answer answer);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const { return port_; }
  std::vector<std::string> Requests() const;

  // A complete answer with that status line tail ("200 OK") and body.
  static std::string Response(const std::string& status, const std::string& body);

 private:
  void Serve();
  void Handle(int connection);

  Answer answer_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
