// A test notice waits for the mascot's answer, but the whole exchange ends
// within its one budget of about 3 seconds whatever the server does. The
// cases run side by side, so the test takes one budget, not four.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "LoopbackServer.h"
#include "sstp/SstpRequest.h"

namespace {

constexpr char kSender[] = "Vyrex plugin for Olmira";
constexpr int kStartMs = 15000;
constexpr int kConnectWaitMs = 5000;
constexpr DWORD kAtLeastMs = 2500;
constexpr DWORD kAtMostMs = 6000;

struct Stall {
  const char* what;
  const char* mascotOptions;  // null: a server whose queue is full
  SstpResult expected;
};

const Stall kStalls[] = {
    {"never answers", "--answer silent", SstpResult::kNoAnswer},
    {"answers one byte a second", "--answer trickle", SstpResult::kNoAnswer},
    {"answers after five seconds", "--delay 5000", SstpResult::kNoAnswer},
    {"accepts nothing", nullptr, SstpResult::kConnectTimeout},
};

}  // namespace

TEST(TestNoticeBudget, EveryStallEndsWithinTheBudget) {
  std::vector<std::unique_ptr<MascotProcess>> mascots;
  std::vector<unsigned short> ports;
  const Listener full("127.0.0.1", 0, 1);
  ASSERT_TRUE(full.isListening());
  std::vector<TestSocket> fillers;
  for (int i = 0; i < 3; ++i) fillers.push_back(StartConnect("127.0.0.1", full.port()));
  ASSERT_TRUE(WaitConnected(fillers.front(), kConnectWaitMs)) << "no filler got into the queue";
  for (const Stall& stall : kStalls) {
    if (stall.mascotOptions == nullptr) {
      ports.push_back(full.port());
      continue;
    }
    mascots.push_back(std::make_unique<MascotProcess>(std::string("--port 0 --mutex none ") +
                                                      stall.mascotOptions));
    ASSERT_TRUE(mascots.back()->WaitForOutput("listening on", kStartMs)) << mascots.back()->output();
    ports.push_back(mascots.back()->ListeningPort());
  }

  const size_t count = sizeof(kStalls) / sizeof(kStalls[0]);
  std::vector<SstpOutcome> outcomes(count);
  std::vector<DWORD> blocked(count);
  std::vector<std::thread> callers;
  for (size_t i = 0; i < count; ++i) {
    callers.emplace_back([&, i] {
      const DWORD start = GetTickCount();
      outcomes[i] = SendSstp("LocalHost", ports[i], kSender, "\\e", nullptr, kTestNotice);
      blocked[i] = MillisecondsSince(start);
    });
  }
  for (std::thread& caller : callers) caller.join();

  for (size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(kStalls[i].what);
    std::printf("[ timing   ] %s: %s after %lu ms\n", kStalls[i].what,
                DescribeOutcome(outcomes[i]).c_str(), static_cast<unsigned long>(blocked[i]));
    EXPECT_EQ(kStalls[i].expected, outcomes[i].result) << DescribeOutcome(outcomes[i]);
    EXPECT_GE(blocked[i], kAtLeastMs);
    EXPECT_LT(blocked[i], kAtMostMs);
  }
}
