// How windows enter and leave the handle registry, the creation ticket, and
// the temporary wrappers made for handles without objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "FrameworkTestSupport.h"
#include "ProbeWindow.h"
#include "framework/HandleWrappers.h"
#include "framework/WindowRegistry.h"

namespace {

bool IsTemporary(const Object* wrapper) {
  const auto& temporaries = window_registry::temporaryObjects();
  return std::find(temporaries.begin(), temporaries.end(), wrapper) !=
         temporaries.end();
}

// Restores the creation ticket that a test moved.
class TicketGuard {
 public:
  TicketGuard() : saved_(window_registry::creationTicket()) {}
  ~TicketGuard() { window_registry::SetCreationTicket(saved_); }

 private:
  int saved_;
};

TEST(Registration, CreatedWindowIsBoundByItsFirstMessage) {
  ProbeWindow probe;
  WindowCleanup cleanup(probe);
  const int ticket = window_registry::creationTicket();
  ASSERT_EQ(1, probe.Make());
  ASSERT_FALSE(probe.seen.empty());
  EXPECT_NE(static_cast<UINT>(WM_CREATE), probe.seen.front());
  EXPECT_NE(probe.seen.end(),
            std::find(probe.seen.begin(), probe.seen.end(),
                      static_cast<UINT>(WM_CREATE)));
  EXPECT_EQ(&probe, Window::FindHandle(probe.hwnd));
  EXPECT_TRUE(window_registry::pendingWindows().empty());
  EXPECT_EQ(ticket + 1, window_registry::creationTicket());
}

TEST(Registration, FailedCreationReturnsZero) {
  ProbeWindow probe;
  EXPECT_EQ(0, probe.CreateWindowObject("NoSuchFrameworkClass", "", WS_POPUP,
                                        0, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr));
  EXPECT_EQ(nullptr, probe.hwnd);
  EXPECT_TRUE(window_registry::pendingWindows().empty());
}

TEST(Registration, WindowWithoutObjectGetsThePlatformDefault) {
  RegisterTestClasses();
  OwnedWindow plain(MakePlainWindow(kFrameworkClass));
  ASSERT_NE(nullptr, plain.get());
  EXPECT_EQ(nullptr, Window::FindHandle(plain.get()));
  SetWindowTextA(plain.get(), "kept");
  char text[16] = {};
  GetWindowTextA(plain.get(), text, sizeof text);
  EXPECT_STREQ("kept", text);
}

TEST(Registration, TicketWrapsAfterItsLastValue) {
  TicketGuard guard;
  window_registry::SetCreationTicket(window_registry::kTicketLimit - 2);
  ProbeWindow first, second;
  WindowCleanup firstCleanup(first), secondCleanup(second);
  ASSERT_EQ(1, first.Make());
  EXPECT_EQ(0xFFFFFE, window_registry::creationTicket());
  ASSERT_EQ(1, second.Make());
  EXPECT_EQ(0, window_registry::creationTicket());
  EXPECT_EQ(&second, Window::FindHandle(second.hwnd));
}

TEST(Subclassing, SubclassBindsAtOnceAndOnlyOnce) {
  OwnedWindow plain(MakePlainWindow());
  ProbeWindow probe;
  ASSERT_EQ(1, probe.Attach(plain.get()));
  EXPECT_EQ(nullptr, Window::FindHandle(plain.get()));

  ASSERT_EQ(1, probe.Subclass());
  EXPECT_EQ(&probe, Window::FindHandle(plain.get()));
  ASSERT_FALSE(probe.seen.empty());
  EXPECT_EQ(static_cast<UINT>(WM_NULL), probe.seen.front());
  const WNDPROC replaced = probe.prevWndProc;
  EXPECT_NE(nullptr, replaced);

  EXPECT_EQ(1, probe.Subclass());
  EXPECT_EQ(replaced, probe.prevWndProc);
  EXPECT_EQ(reinterpret_cast<LONG>(&WindowProcedure),
            GetWindowLongA(plain.get(), GWL_WNDPROC));

  // Messages now run through the object and on to the old procedure.
  EXPECT_EQ(1, probe.SetText("through"));
  EXPECT_EQ("through", probe.GetText());

  EXPECT_EQ(plain.get(), probe.Unsubclass());
  EXPECT_EQ(nullptr, probe.prevWndProc);
  EXPECT_EQ(plain.get(), probe.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(plain.get()));
  EXPECT_NE(reinterpret_cast<LONG>(&WindowProcedure),
            GetWindowLongA(plain.get(), GWL_WNDPROC));
  EXPECT_EQ(nullptr, probe.Unsubclass());
}

TEST(Subclassing, NullOrDeadHandleIsRefused) {
  ProbeWindow probe;
  EXPECT_EQ(0, probe.Subclass());
  const HWND dead = MakePlainWindow();
  probe.hwnd = dead;
  DestroyWindow(dead);
  EXPECT_EQ(0, probe.Subclass());
  EXPECT_EQ(nullptr, probe.prevWndProc);
  EXPECT_TRUE(window_registry::pendingWindows().empty());
  EXPECT_EQ(0, probe.Attach(dead));
}

TEST(Handles, FromHandleGivesTheObjectOrAFreshWrapper) {
  ProbeWindow probe;
  WindowCleanup cleanup(probe);
  ASSERT_EQ(1, probe.Make());
  OwnedWindow plain(MakePlainWindow());

  EXPECT_EQ(&probe, Window::FromHandle(probe.hwnd));
  EXPECT_EQ(nullptr, Window::FromHandle(nullptr));
  Window* first = Window::FromHandle(plain.get());
  Window* second = Window::FromHandle(plain.get());
  ASSERT_NE(nullptr, first);
  EXPECT_NE(first, second);
  EXPECT_EQ(plain.get(), first->hwnd);
  EXPECT_EQ(plain.get(), second->hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(plain.get()));
  EXPECT_EQ(nullptr, Window::FromHandle(reinterpret_cast<HWND>(0x7777))->hwnd);

  EXPECT_EQ(nullptr, Menu::FromHandle(nullptr));
  EXPECT_EQ(nullptr, Menu::FromHandle(reinterpret_cast<HMENU>(0x7777))->hmenu);
  const HMENU menu = CreatePopupMenu();
  EXPECT_EQ(menu, Menu::FromHandle(menu)->hmenu);
  DestroyMenu(menu);
  EXPECT_EQ(nullptr, DeviceContext::FromHandle(nullptr));
  EXPECT_EQ(reinterpret_cast<HDC>(0x55),
            DeviceContext::FromHandle(reinterpret_cast<HDC>(0x55))->hdc);
}

// Makes wrappers while handling WM_COMMAND and, for id 1, sends a message to
// another framework window in the middle.
class WrapperMaker : public ProbeWindow {
 public:
  void OnCommand(UINT id, UINT code) override {
    held = Window::FromHandle(other);
    madeBeforeInner = IsTemporary(held);
    if (id == 1 && inner != nullptr) {
      SendMessageA(inner->hwnd, WM_COMMAND, 2, 0);
      // A wrapper made by the inner call may have reached this handler.
      innerKeptAfterReturn = IsTemporary(inner->held);
    }
    stillHeldAfterInner = IsTemporary(held) && held->hwnd == other;
    ProbeWindow::OnCommand(id, code);
  }
  HWND other = nullptr;
  WrapperMaker* inner = nullptr;
  Window* held = nullptr;
  bool madeBeforeInner = false;
  bool stillHeldAfterInner = false;
  bool innerKeptAfterReturn = false;
};

TEST(Temporaries, ReclaimedWhenTheOutermostProcedureCallReturns) {
  OwnedWindow plain(MakePlainWindow());
  WrapperMaker outer, inner;
  WindowCleanup outerCleanup(outer), innerCleanup(inner);
  ASSERT_EQ(1, outer.Make());
  ASSERT_EQ(1, inner.Make());
  outer.other = inner.other = plain.get();
  outer.inner = &inner;

  // A wrapper made outside any window procedure stays with its maker.
  Window* outside = Window::FromHandle(plain.get());
  const std::size_t before = window_registry::temporaryObjects().size();

  SendMessageA(outer.hwnd, WM_COMMAND, 1, 0);
  EXPECT_TRUE(outer.madeBeforeInner);
  EXPECT_TRUE(inner.madeBeforeInner);
  EXPECT_TRUE(outer.stillHeldAfterInner);  // the inner call reclaimed nothing
  EXPECT_TRUE(outer.innerKeptAfterReturn);
  EXPECT_EQ(before, window_registry::temporaryObjects().size());
  EXPECT_TRUE(IsTemporary(outside));
  EXPECT_EQ(plain.get(), outside->hwnd);

  // Many messages with handle arguments leave nothing behind.
  outer.interceptDefault = true;
  for (int i = 0; i < 1000; ++i) {
    outer.Send(WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(plain.get()));
  }
  EXPECT_EQ(before, window_registry::temporaryObjects().size());
}

TEST(Text, GetTextOfAWindowWithoutTextIsEmpty) {
  OwnedWindow plain(MakePlainWindow());
  Window window;
  ASSERT_EQ(1, window.Attach(plain.get()));
  EXPECT_EQ("", window.GetText());
  const char japanese[] = "\x83\x65\x83\x58\x83\x67";  // テスト
  EXPECT_EQ(1, window.SetText(japanese));
  EXPECT_EQ(japanese, window.GetText());
}

}  // namespace
