// Exchanges that cannot deliver: each returns false promptly, without
// leaving a socket behind. The time each one blocked the caller is printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackServer.h"
#include "sstp/SstpRequest.h"

namespace {

constexpr char kSender[] = "Vyrex plugin for Olmira";
constexpr char kScript[] = "\\h\\s0hello\\e";
// Larger than the loopback socket buffers, so the send is still under way
// when the server ends the connection.
constexpr size_t kOversizedScript = 32 * 1024 * 1024;
constexpr DWORD kPromptMs = 10000;
constexpr DWORD kBoundedWaitMs = 2500;
constexpr int kAcceptWaitMs = 5000;
constexpr int kQueueFillers = 3;
constexpr int kConnectWaitMs = 5000;

// A socket call on a fresh thread makes the sockets layer keep a handle for
// that thread; this makes sure it exists before the socket check.
void PrepareThreadForSockets() {
  const TestSocket socket(::socket(AF_INET, SOCK_STREAM, 0));
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket.handle(), &readable);
  timeval noWait = {0, 0};
  select(0, &readable, nullptr, nullptr, &noWait);
}

// Plays the mascot on its own thread. The thread is made ready before and
// ended after the socket check, so its own handles cannot hide a leak.
class ServerThread {
 public:
  explicit ServerThread(const std::function<void()>& serve)
      : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        finish_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        thread_([this, serve] {
          PrepareThreadForSockets();
          SetEvent(ready_);
          if (serve) serve();
          WaitForSingleObject(finish_, INFINITE);
        }) {
    WaitForSingleObject(ready_, INFINITE);
  }
  ~ServerThread() {
    SetEvent(finish_);
    thread_.join();
    CloseHandle(finish_);
    CloseHandle(ready_);
  }
  ServerThread(const ServerThread&) = delete;
  ServerThread& operator=(const ServerThread&) = delete;

 private:
  HANDLE ready_;
  HANDLE finish_;
  std::thread thread_;
};

// Runs SendSstp while `serve` (if any) plays the mascot, prints how long the
// call blocked, and checks it failed promptly with no socket left open.
void ExpectPromptFailure(const char* what, const char* host, int port, const std::string& script,
                         const std::function<void()>& serve = nullptr, DWORD atLeastMs = 0) {
  PrepareThreadForSockets();
  const ServerThread server(serve);
  const SOCKET nextSocket = NextSocketValue();
  const DWORD start = GetTickCount();
  const bool sent = SendSstp(host, port, kSender, script.c_str()).sent();
  const DWORD blocked = MillisecondsSince(start);
  std::printf("[ timing   ] %s: returned %s after %lu ms\n", what, sent ? "true" : "false",
              static_cast<unsigned long>(blocked));
  EXPECT_FALSE(sent) << what;
  EXPECT_LT(blocked, kPromptMs) << what;
  EXPECT_GE(blocked, atLeastMs) << what;
  EXPECT_EQ(NextSocketValue(), nextSocket) << what << ": a socket was left open";
}

class SstpFailure : public testing::Test {
 protected:
  const NamedMutex mascot_{"sakura"};
};

TEST_F(SstpFailure, NothingListening) {
  ExpectPromptFailure("nothing listening", "127.0.0.1", FreeLoopbackPort(), kScript);
}

TEST_F(SstpFailure, HostResolvingToAddressZero) {
  ExpectPromptFailure("host 0.0.0.0", "0.0.0.0", FreeLoopbackPort(), kScript);
}

TEST_F(SstpFailure, ServerThatAcceptsAndClosesAtOnce) {
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  ExpectPromptFailure("server accepts and closes", "127.0.0.1", listener.port(),
                      std::string(kOversizedScript, 'a'), [&] { listener.Accept(kAcceptWaitMs); });
}

TEST_F(SstpFailure, ServerThatResets) {
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  const auto acceptAndReset = [&] {
    TestSocket connection = listener.Accept(kAcceptWaitMs);
    const linger abort = {1, 0};
    setsockopt(connection.handle(), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
               sizeof(abort));
  };
  ExpectPromptFailure("server resets", "127.0.0.1", listener.port(),
                      std::string(kOversizedScript, 'a'), acceptAndReset);
}

TEST_F(SstpFailure, ServerThatAcceptsNothingIsGivenUpAfterAboutThreeSeconds) {
  const Listener listener("127.0.0.1", 0, 1);
  ASSERT_TRUE(listener.isListening());
  std::vector<TestSocket> fillers;
  for (int i = 0; i < kQueueFillers; ++i) fillers.push_back(StartConnect("127.0.0.1", listener.port()));
  ASSERT_TRUE(WaitConnected(fillers.front(), kConnectWaitMs)) << "no filler got into the queue";
  ExpectPromptFailure("server accepts nothing (queue full)", "127.0.0.1", listener.port(), kScript,
                      nullptr, kBoundedWaitMs);
}

TEST_F(SstpFailure, ServerThatNeverReadsStallsTheSendForAboutThreeSeconds) {
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  ExpectPromptFailure("server never reads", "127.0.0.1", listener.port(),
                      std::string(kOversizedScript, 'a'), nullptr, kBoundedWaitMs);
}

}  // namespace
