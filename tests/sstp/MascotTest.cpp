// The mascot emulator as the demonstration and the tests use it: it holds its
// mutex while it runs, answers and records each request, and stops after the
// requested count even when a client misbehaves.
#include <gtest/gtest.h>

#include <string>

#include "LoopbackServer.h"
#include "ChildProcess.h"
#include "TempFolder.h"
#include "sstp/SstpRequest.h"

namespace {

constexpr char kSender[] = "Vyrex plugin for Olmira";
// "更新" (update) in Shift-JIS between two tags.
constexpr char kScript[] = "\\h\\s0\x8D\x58\x90\x56\\e";
constexpr char kScriptAsUtf8[] = "\\h\\s0\xE6\x9B\xB4\xE6\x96\xB0\\e";
constexpr int kStartMs = 15000;
constexpr int kExitMs = 10000;
constexpr int kReplyMs = 5000;

std::string SendRaw(unsigned short port, const std::string& bytes) {
  TestSocket client(socket(AF_INET, SOCK_STREAM, 0));
  sockaddr_in server = {};
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = inet_addr("127.0.0.1");
  if (connect(client.handle(), reinterpret_cast<sockaddr*>(&server), sizeof(server)) != 0) return "";
  send(client.handle(), bytes.data(), static_cast<int>(bytes.size()), 0);
  return ReadToEnd(client.handle(), kReplyMs).bytes;
}

class Mascot : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(MutexExists("sakura")) << "a mascot runs on this machine";
    ASSERT_FALSE(MutexExists("ssp")) << "a mascot runs on this machine";
  }
  TempFolder folder_;
};

TEST_F(Mascot, HoldsSakuraServesOneRequestSavesItsBytesAndExits) {
  const std::string saved = folder_.File("requests.bin");
  unsigned short port = 0;
  {
    MascotProcess mascot("--port 0 --count 1 --save \"" + saved + "\"");
    ASSERT_TRUE(mascot.started());
    ASSERT_TRUE(mascot.WaitForOutput("listening on 127.0.0.1:", kStartMs)) << mascot.output();
    port = mascot.ListeningPort();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(MutexExists("sakura"));
    EXPECT_FALSE(MutexExists("ssp"));

    // Local host: the probe finds the emulator's mutex and lets the request through.
    EXPECT_TRUE(SendSstp(nullptr, port, kSender, kScript).sent());
    DWORD exitCode = 1;
    ASSERT_TRUE(mascot.WaitForExit(kExitMs, exitCode)) << mascot.output();
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(mascot.output().find(kScriptAsUtf8), std::string::npos) << mascot.output();
    EXPECT_NE(mascot.output().find("SSTP/1.4 200 OK"), std::string::npos) << mascot.output();
  }
  EXPECT_EQ(ReadFileBytes(saved), BuildSstpRequest(kSender, kScript));
  EXPECT_FALSE(MutexExists("sakura")) << "the mutex outlived the emulator";
}

TEST_F(Mascot, HoldsSspOnRequestAndAnswersBadRequestsWith400) {
  MascotProcess mascot("--port 0 --mutex ssp --count 2");
  ASSERT_TRUE(mascot.WaitForOutput("listening on", kStartMs)) << mascot.output();
  EXPECT_TRUE(MutexExists("ssp"));
  EXPECT_FALSE(MutexExists("sakura"));

  EXPECT_EQ(SendRaw(mascot.ListeningPort(), "HELLO\r\n\r\n"), "SSTP/1.4 400 Bad Request\r\n\r\n");
  EXPECT_EQ(SendRaw(mascot.ListeningPort(), BuildSstpRequest(kSender, kScript)),
            "SSTP/1.4 200 OK\r\n\r\n");
  DWORD exitCode = 1;
  EXPECT_TRUE(mascot.WaitForExit(kExitMs, exitCode)) << mascot.output();
  EXPECT_EQ(exitCode, 0u);
}

TEST_F(Mascot, ASilentClientCannotHangIt) {
  const std::string saved = folder_.File("requests.bin");
  MascotProcess mascot("--port 0 --mutex none --count 1 --timeout 1 --save \"" + saved + "\"");
  ASSERT_TRUE(mascot.WaitForOutput("listening on", kStartMs)) << mascot.output();
  EXPECT_FALSE(MutexExists("sakura"));

  // The silent client is first in the queue, so the emulator serves it first.
  const TestSocket silent = StartConnect("127.0.0.1", mascot.ListeningPort());
  ASSERT_TRUE(WaitConnected(silent, kStartMs)) << "the silent client never connected";
  EXPECT_EQ(SendRaw(mascot.ListeningPort(), BuildSstpRequest(kSender, kScript)),
            "SSTP/1.4 200 OK\r\n\r\n");
  DWORD exitCode = 1;
  EXPECT_TRUE(mascot.WaitForExit(kExitMs, exitCode)) << mascot.output();
  EXPECT_NE(mascot.output().find("brought no request (timed out)"), std::string::npos)
      << mascot.output();
  EXPECT_EQ(ReadFileBytes(saved), BuildSstpRequest(kSender, kScript));
}

TEST_F(Mascot, RejectsUnknownOptions) {
  MascotProcess mascot("--colour blue");
  DWORD exitCode = 0;
  ASSERT_TRUE(mascot.WaitForExit(kExitMs, exitCode));
  EXPECT_EQ(exitCode, 2u);
  EXPECT_NE(mascot.output().find("usage: mascot"), std::string::npos) << mascot.output();
}

}  // namespace
