// Delivery of a request over real loopback sockets: what arrives, where it
// arrives, and when the local-server probe stops it before any connection.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackServer.h"
#include "sstp/SstpRequest.h"
#include "sstp/SstpTransport.h"

namespace {

constexpr char kSender[] = "Vyrex plugin for Olmira";
constexpr char kScript[] = "\\h\\s0\x8D\x58\x90\x56\\n\\e";
constexpr int kWaitMs = 5000;

// Accepts one connection and checks it carried exactly the request for
// kScript and ended with the client's shutdown.
void ExpectDelivered(const Listener& listener, const std::string& context) {
  SCOPED_TRACE(context);
  TestSocket connection = listener.Accept(kWaitMs);
  ASSERT_TRUE(connection.isOpen()) << "nothing connected";
  const Received received = ReadToEnd(connection.handle(), kWaitMs);
  EXPECT_EQ(received.bytes, BuildSstpRequest(kSender, kScript));
  EXPECT_TRUE(received.sawEnd) << "the client did not end the connection";
}

class SstpProbe : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(MutexExists("sakura")) << "a mascot runs on this machine";
    ASSERT_FALSE(MutexExists("ssp")) << "a mascot runs on this machine";
  }
};

TEST_F(SstpProbe, DeliversToARunningMascotAndClosesTheSocket) {
  const NamedMutex mascot("sakura");
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  const SOCKET nextSocket = NextSocketValue();
  EXPECT_TRUE(SendSstp("127.0.0.1", listener.port(), kSender, kScript).sent());
  EXPECT_EQ(NextSocketValue(), nextSocket) << "the exchange left a socket open";
  ExpectDelivered(listener, "127.0.0.1");
}

TEST_F(SstpProbe, LocalHostWithoutMascotMakesNoConnection) {
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  const char* const localHosts[] = {nullptr, "", "127.0.0.1", "localhost"};
  for (const char* host : localHosts) {
    EXPECT_EQ(SstpResult::kNoMascot, SendSstp(host, listener.port(), kSender, kScript).result)
        << (host == nullptr ? "(null)" : host);
  }
  // SendSstp has returned: a connection it made would be queued by now.
  EXPECT_FALSE(listener.HasPendingConnection(0)) << "a probe-less connection";
}

TEST_F(SstpProbe, SspMutexAloneCountsAsRunning) {
  const NamedMutex mascot("ssp");
  ASSERT_TRUE(mascot.held());
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  const char* const localHosts[] = {nullptr, "", "127.0.0.1", "localhost"};
  for (const char* host : localHosts) {
    const std::string name = host == nullptr ? "(null)" : host;
    EXPECT_TRUE(SendSstp(host, listener.port(), kSender, kScript).sent()) << name;
    ExpectDelivered(listener, name);
  }
}

TEST_F(SstpProbe, MutexThatOnlyLetsOthersWaitCountsAsRunning) {
  const NamedMutex elevatedMascot("sakura", true);
  ASSERT_TRUE(elevatedMascot.held());
  ASSERT_EQ(nullptr, OpenMutexA(MUTEX_ALL_ACCESS, FALSE, "sakura")) << "the mutex lets anyone in";
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  EXPECT_TRUE(SendSstp(nullptr, listener.port(), kSender, kScript).sent());
  ExpectDelivered(listener, "wait-only mutex");
}

TEST_F(SstpProbe, OtherSpellingsAndLoopbackAddressesAreNotProbed) {
  const Listener first("127.0.0.1", 0);
  ASSERT_TRUE(first.isListening());
  EXPECT_TRUE(SendSstp("LocalHost", first.port(), kSender, kScript).sent());
  ExpectDelivered(first, "LocalHost");

  const Listener second("127.0.0.2", 0);
  ASSERT_TRUE(second.isListening());
  EXPECT_TRUE(SendSstp("127.0.0.2", second.port(), kSender, kScript).sent());
  ExpectDelivered(second, "127.0.0.2");
}

// What listens on 9801 or 11000 while port 0 is tried.
enum Peer { kRefuses, kDrops, kAccepts };

// A listener that accepts, or one whose full queue drops new connections.
std::unique_ptr<Listener> Play(Peer peer, unsigned short port, std::vector<TestSocket>& fillers) {
  if (peer == kRefuses) return nullptr;
  auto listener = std::make_unique<Listener>("127.0.0.1", port, peer == kDrops ? 1 : 5);
  for (int i = 0; peer == kDrops && i < 3; ++i) fillers.push_back(StartConnect("127.0.0.1", port));
  return listener;
}

TEST(SstpPort, ZeroPrefers9801AndFallsBackTo11000) {
  struct Case {
    Peer at9801, at11000;
    SstpResult expected;
    unsigned short port;  // 11000: fell back
  };
  const Case cases[] = {
      {kAccepts, kAccepts, SstpResult::kSent, 9801},
      {kAccepts, kDrops, SstpResult::kSent, 9801},
      {kRefuses, kAccepts, SstpResult::kSent, 11000},
      {kDrops, kAccepts, SstpResult::kSent, 11000},
      {kRefuses, kRefuses, SstpResult::kRefused, 11000},
      {kDrops, kRefuses, SstpResult::kConnectTimeout, 9801},
      {kRefuses, kDrops, SstpResult::kConnectTimeout, 11000},
  };
  const NamedMutex mascot("sakura");
  for (const Case& c : cases) {
    SCOPED_TRACE("case " + std::to_string(&c - cases));
    std::vector<TestSocket> fillers;
    const std::unique_ptr<Listener> first = Play(c.at9801, 9801, fillers);
    const std::unique_ptr<Listener> second = Play(c.at11000, 11000, fillers);
    if (!fillers.empty()) {
      ASSERT_TRUE(WaitConnected(fillers.front(), kWaitMs)) << "queue not filled";
    }
    const SstpOutcome outcome = SendSstp(nullptr, 0, kSender, kScript);
    EXPECT_EQ(c.expected, outcome.result) << DescribeOutcome(outcome);
    EXPECT_EQ(c.port, outcome.port);
    EXPECT_EQ(c.port == 11000, outcome.fellBack);
    if (outcome.sent()) ExpectDelivered(c.port == 9801 ? *first : *second, "port 0");
  }
}

// Urgent (out-of-band) data from the server neither ends the send early nor
// hides the answer.
TEST(SstpDelivery, UrgentDataNeitherEndsTheSendNorHidesTheAnswer) {
  struct Case {
    size_t scriptBytes;  // 32 MiB: more than the socket buffers hold
    ExchangeLimits limits;
    SstpResult expected;
    int error;
  };
  const Case cases[] = {{8, kTestNotice, SstpResult::kAnswered, 0},
                        {32 << 20, kAutomaticNotice, SstpResult::kSendFailed, WSAETIMEDOUT}};
  for (const Case& c : cases) {
    const Listener listener("127.0.0.1", 0);
    std::promise<void> finished;
    std::thread mascot([&, done = finished.get_future()] {
      TestSocket connection = listener.Accept(kWaitMs);
      char request[64];  // once it came, the test notice waits for the answer
      if (c.limits.awaitAnswer) recv(connection.handle(), request, sizeof(request), 0);
      send(connection.handle(), "!", 1, MSG_OOB);
      if (c.limits.awaitAnswer) {  // a mascot that answers late, as it may
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        send(connection.handle(), "SSTP/1.4 200 OK\r\n\r\n", 19, 0);
      }
      done.wait_for(std::chrono::seconds(15));
    });
    const SstpOutcome outcome = SendSstp("LocalHost", listener.port(), kSender,
                                         std::string(c.scriptBytes, 'a').c_str(), nullptr, c.limits);
    finished.set_value();
    mascot.join();
    EXPECT_EQ(c.expected, outcome.result) << DescribeOutcome(outcome);
    EXPECT_EQ(c.error, outcome.error) << DescribeOutcome(outcome);
  }
}

TEST(SstpPort, OnlyTheLow16BitsCount) {
  const NamedMutex mascot("sakura");
  const Listener listener("127.0.0.1", 9801);
  ASSERT_TRUE(listener.isListening()) << "port 9801 is taken";
  EXPECT_TRUE(SendSstp("127.0.0.1", 75337, kSender, kScript).sent());
  ExpectDelivered(listener, "port 75337");
}

TEST(SstpDelivery, LargeRequestIsSentWhole) {
  const Listener listener("127.0.0.2", 0);
  ASSERT_TRUE(listener.isListening());
  const std::string script(4 * 1024 * 1024, 'a');
  Received received;
  std::thread mascot([&] {
    TestSocket connection = listener.Accept(kWaitMs);
    if (connection.isOpen()) received = ReadToEnd(connection.handle(), 10 * kWaitMs);
  });
  EXPECT_TRUE(SendSstp("127.0.0.2", listener.port(), kSender, script.c_str()).sent());
  mascot.join();
  EXPECT_EQ(received.bytes.size(), BuildSstpRequest(kSender, script.c_str()).size());
  EXPECT_TRUE(received.bytes == BuildSstpRequest(kSender, script.c_str()));
  EXPECT_TRUE(received.sawEnd);
}

}  // namespace
