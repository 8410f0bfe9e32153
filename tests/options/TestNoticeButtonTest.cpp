// The test notice button of the page "SSTP設定" in the real DLL: it sends to
// the server and port as typed, says in a message box what became of the
// notice, and saves nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "LoopbackServer.h"
#include "OptionsFixture.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kStartMs = 15000;
// The emulator answers the requests in this order; "close" answers nothing.
constexpr char kAnswers[] = "200,409,512,420,400,503,404,204,close";
// "さくら,うにゅう" in Shift-JIS: characters to name.
constexpr char kNames[] = "\x82\xB3\x82\xAD\x82\xE7,\x82\xA4\x82\xC9\x82\xE3\x82\xA4";

struct Press {
  const char* server;  // "LocalHost" is sent to without looking for a mascot
  bool toEmulator;     // else to a port where nothing listens
  const char* ifGhost;
  const char* shown;   // a part the message must show
};

const Press kPresses[] = {
    {"LocalHost", true, "", "SSTP/1.4 200 OK"},
    {"LocalHost", true, "", "SSTP/1.4 409 Conflict"},
    {"LocalHost", true, "", "SSTP/1.4 512 Invisible"},
    {"LocalHost", true, "", "SSTP/1.4 420 Refuse"},
    {"LocalHost", true, "", "SSTP/1.4 400 Bad Request"},
    {"LocalHost", true, "", "SSTP/1.4 503 Service Unavailable"},
    {"LocalHost", true, "", "SSTP/1.4 404 Not Found"},
    {"LocalHost", true, kNames, "SSTP/1.4 204 No Content"},
    {"LocalHost", true, "", "LocalHost"},    // no answer
    {"LocalHost", false, "", "LocalHost"},   // refused
    {"127.0.0.1", true, "", "sakura"},       // no mascot holds a mutex
};

}  // namespace

TEST(TestNoticeButton, SaysWhatBecameOfTheNoticeAndSavesNothing) {
  TempFolder scratch;
  const std::string saved = scratch.File("requests.bin");
  MascotProcess mascot(std::string("--port 0 --mutex none --answer ") + kAnswers + " --save \"" +
                       saved + "\"");
  ASSERT_TRUE(mascot.WaitForOutput("listening on", kStartMs)) << mascot.output();
  const std::string port = std::to_string(mascot.ListeningPort());
  const std::string silentPort = std::to_string(FreeLoopbackPort());

  const std::string ini = "[SSTP]\r\nServer=saved.invalid\r\nSSTPPort=1\r\n";
  OptionsFixture fixture(&ini);
  std::vector<std::string> messages;
  fixture.Configure([&](SheetDriver& d) {
    d.ShowPage(1);
    for (const Press& press : kPresses) {
      d.SetText(IDC_SERVER, press.server);
      d.SetText(IDC_PORT, press.toEmulator ? port : silentPort);
      d.SetText(IDC_IF_GHOST, press.ifGhost);
      messages.push_back(d.ClickAndReadMessageBox(IDC_TEST_NOTICE));
    }
    d.PressCancel();
  });

  ASSERT_EQ(std::size(kPresses), messages.size());
  for (size_t i = 0; i < messages.size(); ++i) {
    EXPECT_NE(std::string::npos, messages[i].find(kPresses[i].shown))
        << "press " << i << " showed: " << messages[i];
  }
  EXPECT_EQ(messages.size(), std::set<std::string>(messages.begin(), messages.end()).size())
      << "two outcomes read the same";
  EXPECT_NE(std::string::npos, messages[9].find(silentPort)) << messages[9];
  EXPECT_EQ(ini, fixture.IniBytes());
  EXPECT_FALSE(fixture.ReportExists());

  // Every answered press reached the typed port; the one that named
  // characters carried their names.
  const std::string requests = ReadFileBytes(saved);
  size_t count = 0;
  for (size_t at = requests.find("SEND SSTP/1.1"); at != std::string::npos;
       at = requests.find("SEND SSTP/1.1", at + 1)) {
    ++count;
  }
  EXPECT_EQ(9u, count);
  EXPECT_NE(std::string::npos, requests.find(std::string("\r\nIfGhost: ") + kNames + "\r\n"));
}
