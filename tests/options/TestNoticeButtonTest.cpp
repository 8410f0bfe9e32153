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

// While the notice waits, the button is disabled, and a key press and a click
// made meanwhile (posted as the input queue would deliver them) are dropped:
// no second notice, no box closed unread. Then the button is back, focused.
TEST(TestNoticeButton, IsDisabledWhileItWaitsAndDropsPressesMeanwhile) {
  const Listener listener("127.0.0.1", 0);
  ASSERT_TRUE(listener.isListening());
  OptionsFixture fixture;
  bool enabledWhileWaiting = true;
  std::vector<std::string> boxes;
  HWND button = nullptr;
  HWND focus = nullptr;
  fixture.Configure([&](SheetDriver& d) {
    d.ShowPage(1);
    d.SetText(IDC_SERVER, "LocalHost");
    d.SetText(IDC_PORT, std::to_string(listener.port()));
    button = GetDlgItem(d.CurrentPage(), IDC_TEST_NOTICE);
    PostMessageA(button, BM_CLICK, 0, 0);
    const TestSocket notice = listener.Accept(kStartMs);  // the page now waits for the answer
    enabledWhileWaiting = IsWindowEnabled(button) != FALSE;
    for (UINT key : {WM_KEYDOWN, WM_KEYUP}) PostMessageA(button, key, VK_SPACE, 1);
    for (UINT click : {WM_LBUTTONDOWN, WM_LBUTTONUP}) PostMessageA(button, click, 0, MAKELPARAM(2, 2));
    send(notice.handle(), "SSTP/1.4 200 OK\r\n\r\n", 19, 0);
    boxes = d.CloseMessageBoxes();
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(button, nullptr), &info);
    focus = IsWindowEnabled(button) ? info.hwndFocus : nullptr;
    d.PressCancel();
  });
  EXPECT_FALSE(enabledWhileWaiting) << "the button could be pressed again while the notice waited";
  ASSERT_EQ(1u, boxes.size()) << "a press made during the wait was handled afterwards";
  EXPECT_NE(std::string::npos, boxes[0].find("SSTP/1.4 200 OK")) << boxes[0];
  EXPECT_EQ(button, focus) << "the button is not enabled and focused again";
}
