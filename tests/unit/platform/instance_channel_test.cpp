#include "platform/instance_channel.h"

#include <future>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace {

std::string UniqueName(const char* test) { return std::string("examhost-test-") + test + "-" + std::to_string(getpid()); }

// Waits until a request is waiting on the channel, then answers it.
bool AnswerOne(int channel) {
  pollfd waiting{channel, POLLIN, 0};
  return poll(&waiting, 1, 5000) == 1 && AcceptActivation(channel);
}

TEST(InstanceChannel, OnlyAListeningWindowIsActivated) {
  std::string name = UniqueName("listen");
  EXPECT_FALSE(RequestActivation(name)) << "nobody holds the channel";
  int channel = ClaimInstanceChannel(name);
  ASSERT_GE(channel, 0);
  EXPECT_EQ(ClaimInstanceChannel(name), -1) << "a second start cannot claim it";
  // Claimed during start-up, no window yet: a second start is not answered and goes on.
  EXPECT_FALSE(RequestActivation(name));

  ASSERT_TRUE(ListenInstanceChannel(channel));
  auto request = std::async(std::launch::async, [&] { return RequestActivation(name); });
  EXPECT_TRUE(AnswerOne(channel));
  EXPECT_TRUE(request.get());

  CloseInstanceChannel(channel);
  EXPECT_FALSE(RequestActivation(name));
  int again = ClaimInstanceChannel(name);
  EXPECT_GE(again, 0) << "a closed channel can be claimed by the next start";
  CloseInstanceChannel(again);
}

// Connects to the channel of the user `uid` by its address and sends `text`; the socket stays open.
int ConnectAndSend(const std::string& name, uid_t uid, const char* text) {
  int peer = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string full = name + "." + std::to_string(uid);
  full.copy(address.sun_path + 1, full.size());
  if (connect(peer, reinterpret_cast<sockaddr*>(&address),
              static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + full.size())) != 0)
    return -1;
  send(peer, text, std::strlen(text), MSG_NOSIGNAL);
  return peer;
}

TEST(InstanceChannel, AnotherUserCanNeitherActivateNorBeAnswered) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  std::string name = UniqueName("users");
  int channel = ClaimInstanceChannel(name);
  ASSERT_GE(channel, 0);
  ASSERT_TRUE(ListenInstanceChannel(channel));
  // A start by another user neither finds this channel under its own name nor is answered on this one.
  uid_t owner = getuid();
  pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    bool own = RequestActivation(name);
    int peer = ConnectAndSend(name, owner, "activate\n");
    char answer[8];
    bool answered = peer >= 0 && recv(peer, answer, sizeof answer, 0) > 0;
    _exit(own || peer < 0 || answered ? 1 : 0);
  }
  EXPECT_FALSE(AnswerOne(channel)) << "a request of another user was taken for an activation";
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  CloseInstanceChannel(channel);
}

TEST(InstanceChannel, OtherTrafficIsNoActivation) {
  std::string name = UniqueName("garbage");
  int channel = ClaimInstanceChannel(name);
  ASSERT_GE(channel, 0);
  ASSERT_TRUE(ListenInstanceChannel(channel));
  EXPECT_FALSE(AcceptActivation(channel)) << "nothing waiting: the window is not stalled";

  int peer = ConnectAndSend(name, getuid(), "quit\nnow\n");
  ASSERT_GE(peer, 0);
  EXPECT_FALSE(AnswerOne(channel));
  close(peer);
  CloseInstanceChannel(channel);
}

}  // namespace
