// Delivery of a request over real loopback sockets: what arrives, where it
// arrives, and when the local-server probe stops it before any connection.
#include <gtest/gtest.h>

#include <string>
#include <thread>

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

TEST(SstpPort, ZeroTries9801Then11000AndOnlyTheLow16BitsCount) {
  const NamedMutex mascot("sakura");
  {
    const Listener listener("127.0.0.1", 9801);
    ASSERT_TRUE(listener.isListening()) << "port 9801 is taken";
    EXPECT_TRUE(SendSstp(nullptr, 0, kSender, kScript).sent());
    ExpectDelivered(listener, "port 0, 9801 listening");
    EXPECT_TRUE(SendSstp("127.0.0.1", 75337, kSender, kScript).sent());
    ExpectDelivered(listener, "port 75337");
  }
  {
    const Listener listener("127.0.0.1", 11000);
    ASSERT_TRUE(listener.isListening()) << "port 11000 is taken";
    const SstpOutcome outcome = SendSstp(nullptr, 0, kSender, kScript);
    EXPECT_EQ(SstpResult::kSent, outcome.result);
    EXPECT_EQ(11000, outcome.port);
    ExpectDelivered(listener, "port 0, 9801 refused");
  }
  const SstpOutcome neither = SendSstp(nullptr, 0, kSender, kScript);
  EXPECT_EQ(SstpResult::kRefused, neither.result);
  EXPECT_EQ(11000, neither.port);
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
