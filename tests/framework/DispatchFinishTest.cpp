// The rows whose finish changes a window's life (creation, closing,
// destruction), the two ways an exception is answered, and messages that
// arrive without the record they should point to.
#include <windows.h>

#include <gtest/gtest.h>


#include "FrameworkTestSupport.h"
#include "ProbeWindow.h"
#include "framework/Application.h"
#include "framework/WindowRegistry.h"

namespace {

bool TakeQuitMessage() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST(Creation, OnCreateReturningZeroFailsTheCreationAndLeavesNoEntry) {
  ProbeWindow probe;
  probe.createResult = 0;
  EXPECT_EQ(0, probe.Make());
  ASSERT_NE(nullptr, probe.hwnd);  // bound during the failed creation
  EXPECT_FALSE(IsWindow(probe.hwnd));
  EXPECT_EQ(nullptr, Window::FindHandle(probe.hwnd));
  EXPECT_TRUE(window_registry::pendingWindows().empty());
}

TEST(Creation, CreateMessageNeverReachesDefaultProcessing) {
  ProbeWindow probe;
  WindowCleanup cleanup(probe);
  ASSERT_EQ(1, probe.Make());
  probe.interceptDefault = true;
  CREATESTRUCTA create = {};
  create.lpszName = "again";
  EXPECT_EQ(0, probe.Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)));
  EXPECT_EQ("OnCreate again", probe.lastCall);
  EXPECT_EQ(0, probe.defaultCalls);
  probe.createResult = 0;
  EXPECT_EQ(-1, probe.Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)));
  EXPECT_EQ(0, probe.defaultCalls);
}

TEST(Closing, CanCloseZeroKeepsTheWindowWithoutOnClose) {
  ProbeWindow probe;
  WindowCleanup cleanup(probe);
  ASSERT_EQ(1, probe.Make());
  probe.canClose = 0;
  EXPECT_EQ(0, probe.Send(WM_CLOSE));
  EXPECT_EQ("", probe.lastCall);
  EXPECT_TRUE(IsWindow(probe.hwnd));
}

TEST(Closing, OnCloseCannotSuppressDefaultProcessing) {
  ProbeWindow probe;
  ASSERT_EQ(1, probe.Make());
  probe.keepHandled = true;
  const HWND hwnd = probe.hwnd;
  // The platform's default for WM_CLOSE destroys the window.
  probe.Send(WM_CLOSE);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ("OnNcDestroy", probe.lastCall);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
}

TEST(Destruction, OnlyTheMainWindowPostsTheQuitMessage) {
  Application* application = Application::Instance();
  ASSERT_NE(nullptr, application);
  TakeQuitMessage();

  ProbeWindow ordinary;
  ASSERT_EQ(1, ordinary.Make());
  EXPECT_EQ(1, ordinary.Destroy());
  EXPECT_FALSE(TakeQuitMessage());

  ProbeWindow main;
  ASSERT_EQ(1, main.Make());
  application->mainWindow = &main;
  main.Destroy();
  application->mainWindow = nullptr;
  EXPECT_TRUE(TakeQuitMessage());
}

TEST(Destruction, CreatedWindowLeavesTheRegistryOnItsLastMessage) {
  ProbeWindow probe;
  ASSERT_EQ(1, probe.Make());
  const HWND hwnd = probe.hwnd;
  ASSERT_EQ(&probe, Window::FindHandle(hwnd));
  EXPECT_EQ(1, probe.Destroy());
  EXPECT_EQ(nullptr, probe.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
  ASSERT_GE(probe.seen.size(), 2u);
  EXPECT_EQ(static_cast<UINT>(WM_DESTROY), probe.seen[probe.seen.size() - 2]);
  EXPECT_EQ(static_cast<UINT>(WM_NCDESTROY), probe.seen.back());
}

// Counts the messages of a window's own procedure, before and after it is
// subclassed.
int legacyDestroys = 0;
int legacyFinalMessages = 0;
LRESULT CALLBACK LegacyProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  if (message == WM_DESTROY) ++legacyDestroys;
  if (message == WM_NCDESTROY) ++legacyFinalMessages;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(Destruction, SubclassedWindowGetsItsProcedureBackBeforeTheLastMessage) {
  WNDCLASSA legacy = {};
  legacy.lpfnWndProc = LegacyProcedure;
  legacy.hInstance = GetModuleHandleA(nullptr);
  legacy.lpszClassName = "FrameworkTestLegacy";
  RegisterClassA(&legacy);
  const HWND hwnd = MakePlainWindow("FrameworkTestLegacy");
  ASSERT_NE(nullptr, hwnd);

  ProbeWindow probe;
  ASSERT_EQ(1, probe.Attach(hwnd));
  ASSERT_EQ(1, probe.Subclass());
  legacyDestroys = legacyFinalMessages = 0;
  EXPECT_EQ(1, probe.Destroy());
  EXPECT_EQ(nullptr, probe.prevWndProc);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
  EXPECT_EQ(1, legacyDestroys);       // WM_DESTROY went to the old procedure
  EXPECT_EQ(0, legacyFinalMessages);  // WM_NCDESTROY to DefWindowProcA
}

TEST(MissingRecords, DrawItemWithoutItsRecordGetsDefaultProcessing) {
  RegisterTestClasses();
  Window window;
  ASSERT_EQ(1, window.CreateWindowObject(kFrameworkClass, "bare", WS_POPUP, 0,
                                         0, 0, 60, 40, nullptr, nullptr,
                                         nullptr));
  WindowCleanup cleanup(window);
  EXPECT_EQ(0, SendMessageA(window.hwnd, WM_DRAWITEM, 3, 0));
  EXPECT_EQ(0, SendMessageA(window.hwnd, WM_NOTIFY, 3, 0));
  EXPECT_EQ(&window, Window::FindHandle(window.hwnd));
}

}  // namespace
