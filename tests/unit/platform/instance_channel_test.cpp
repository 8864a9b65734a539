#include "platform/instance_channel.h"

#include <future>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

TEST(InstanceChannel, OtherTrafficIsNoActivation) {
  std::string name = UniqueName("garbage");
  int channel = ClaimInstanceChannel(name);
  ASSERT_GE(channel, 0);
  ASSERT_TRUE(ListenInstanceChannel(channel));
  EXPECT_FALSE(AcceptActivation(channel)) << "nothing waiting: the window is not stalled";

  int peer = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string full = name + "." + std::to_string(getuid());
  full.copy(address.sun_path + 1, full.size());
  ASSERT_EQ(connect(peer, reinterpret_cast<sockaddr*>(&address),
                    static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + full.size())),
            0);
  ASSERT_EQ(send(peer, "quit\nnow\n", 9, 0), 9);
  EXPECT_FALSE(AnswerOne(channel));
  close(peer);
  CloseInstanceChannel(channel);
}

}  // namespace
