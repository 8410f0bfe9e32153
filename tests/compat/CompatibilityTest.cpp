// The shipped DLL and host tool on each Windows the host runs on, as far as
// Wine can play them. This program runs once per version, under a name for
// which Wine is told to report that version (see CMakeLists.txt), and is told
// the version in EXPECTED_WINDOWS.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../framework/FrameworkTestSupport.h"
#include "../options/SheetDriver.h"
#include "ChildProcess.h"
#include "PluginLibrary.h"
#include "TempFolder.h"
#include "framework/Application.h"
#include "framework/LibraryEntry.h"
#include "framework/Window.h"
#include "support/WindowsVersion.h"

namespace {

constexpr int kWaitMs = 20000;

struct ReportedWindows {
  const char* name;
  DWORD platform;
  DWORD major;
  DWORD minor;
};

constexpr ReportedWindows kVersions[] = {
    {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0}, {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10},
    {"win2k", VER_PLATFORM_WIN32_NT, 5, 0},      {"winxp", VER_PLATFORM_WIN32_NT, 5, 1},
    {"win7", VER_PLATFORM_WIN32_NT, 6, 1},
    // A program without a manifest is told 6.2 by Windows 10, as by Windows 8.
    {"win10", VER_PLATFORM_WIN32_NT, 6, 2},
};

const ReportedWindows* ExpectedWindows() {
  char name[32] = {};
  GetEnvironmentVariableA("EXPECTED_WINDOWS", name, sizeof(name));
  for (const ReportedWindows& windows : kVersions) {
    if (std::string(name) == windows.name) return &windows;
  }
  return nullptr;
}

// "天気予報" in Shift-JIS, the title of the one updated page.
constexpr char kTitleShiftJis[] = "\x93\x56\x8B\x43\x97\x5C\x95\xF1";
constexpr char kItemsUtf8[] =
    "\xE5\xA4\xA9\xE6\xB0\x97\xE4\xBA\x88\xE5\xA0\xB1\thttps://weather.example.jp/\tsunny\t\n";

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class Compatibility : public testing::Test {
 protected:
  void SetUp() override {
    windows_ = ExpectedWindows();
    ASSERT_NE(nullptr, windows_) << "EXPECTED_WINDOWS names none of the versions";
  }
  const ReportedWindows* windows_ = nullptr;
};

TEST_F(Compatibility, WineReportsTheExpectedWindows) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(windows_->platform, version.dwPlatformId) << windows_->name;
  EXPECT_EQ(windows_->major, version.dwMajorVersion) << windows_->name;
  EXPECT_EQ(windows_->minor, version.dwMinorVersion) << windows_->name;
}

// List the tool, notify the mascot, write the report, open and cancel the
// options sheet: each a run of the shipped host tool, which unloads the DLL.
TEST_F(Compatibility, HostToolDoesTheMainJob) {
  TempFolder folder;
  const std::string received = folder.File("received.bin");
  MascotProcess mascot("--port 0 --mutex sakura --count 1 --save \"" + received + "\"");
  ASSERT_TRUE(mascot.WaitForOutput("listening on", kWaitMs)) << mascot.output();

  const std::string ini = "[SSTP]\r\nSSTPPort=" + std::to_string(mascot.ListeningPort()) + "\r\n";
  ASSERT_TRUE(WriteFileBytes(folder.File("sstpnotify.ini"), ini));
  ASSERT_TRUE(WriteFileBytes(folder.File("items.tsv"), kItemsUtf8));
  const std::string dll = folder.File("sstpnotify.dll");
  ASSERT_TRUE(CopyFileA(BuiltPluginPath().c_str(), dll.c_str(), FALSE));
  // Wine reports the version by the program's file name.
  const std::string host = folder.File(std::string("host-") + windows_->name + ".exe");
  ASSERT_TRUE(CopyFileA(WindowsPathOf(HOST_EXE_PATH).c_str(), host.c_str(), FALSE));

  const auto runHost = [&](const std::string& command) {
    ChildProcess run(host, "\"" + dll + "\" " + command);
    DWORD exitCode = 1;
    EXPECT_TRUE(run.WaitForExit(kWaitMs, exitCode)) << "host " << command << " did not end";
    EXPECT_EQ(0u, exitCode) << run.output();
    EXPECT_TRUE(Contains(run.output(), "unloaded\r\n")) << run.output();
    return run.output();
  };

  const std::string listed = runHost("");
  EXPECT_TRUE(Contains(listed, "Windows " + std::to_string(windows_->major) + "." +
                                   std::to_string(windows_->minor) + ", platform " +
                                   std::to_string(windows_->platform)))
      << listed;
  EXPECT_TRUE(Contains(listed, "export \"SSTPNotify\", flags 96\r\n1 tool(s)")) << listed;

  EXPECT_TRUE(Contains(runHost("notify \"" + folder.File("items.tsv") + "\" --kind 0x11"),
                       "SSTPNotify returned 1"));
  DWORD mascotExit = 1;
  EXPECT_TRUE(mascot.WaitForExit(kWaitMs, mascotExit)) << "no notice reached the mascot\n"
                                                       << mascot.output();
  const std::string request = ReadFileBytes(received);
  EXPECT_EQ(0u, request.find("SEND SSTP/1.1\r\n")) << request;
  EXPECT_TRUE(Contains(request, kTitleShiftJis)) << request;
  EXPECT_TRUE(Contains(ReadFileBytes(folder.File("sstpnotify.htm")), kTitleShiftJis));

  SheetDriver cancel([](SheetDriver& sheet) { sheet.PressCancel(); });
  EXPECT_TRUE(Contains(runHost("configure"), "SSTPNotify returned 1"));
  EXPECT_TRUE(cancel.Finish()) << "the options sheet did not open";
  EXPECT_EQ(ini, ReadFileBytes(folder.File("sstpnotify.ini")));
}

class WheelWindow : public Window {
 public:
  int OnMouseWheel(UINT keys, int delta, int x, int y) override {
    call = std::to_string(keys) + " " + std::to_string(delta) + " " + std::to_string(x) + " " +
           std::to_string(y);
    return 1;
  }
  std::string call;
};

// The attach step registers "MSWHEEL_ROLLMSG" on Windows 95 alone; a framework
// window then takes it as WM_MOUSEWHEEL.
TEST_F(Compatibility, WheelMessageOnWindows95Only) {
  const bool windows95 = std::string(windows_->name) == "win95";
  EXPECT_EQ(windows95 ? 1 : 0, IsWindows95());
  ASSERT_TRUE(HandleLibraryEntry(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr));
  if (!windows95) {
    EXPECT_EQ(0u, wheelMessage);
  } else {
    ASSERT_EQ(RegisterWindowMessageA("MSWHEEL_ROLLMSG"), wheelMessage);
    ASSERT_NE(0u, wheelMessage);
    RegisterTestClasses();
    WheelWindow window;
    WindowCleanup cleanup(window);
    ASSERT_EQ(1, window.CreateWindowObject(kFrameworkClass, "wheel", WS_POPUP, 0, 0, 0, 50, 50,
                                           nullptr, nullptr, nullptr));
    SendMessageA(window.hwnd, wheelMessage, MAKEWPARAM(MK_SHIFT, -240), MAKELPARAM(-5, 300));
    EXPECT_EQ("4 -240 -5 300", window.call);
  }
  EXPECT_TRUE(HandleLibraryEntry(GetModuleHandleA(nullptr), DLL_PROCESS_DETACH, nullptr));
  wheelMessage = 0;
}

}  // namespace
