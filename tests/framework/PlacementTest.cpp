// Centring windows over a reference or the screen, and changing extended
// styles.
#include <windows.h>

#include <gtest/gtest.h>

#include "FrameworkTestSupport.h"
#include "framework/Window.h"
#include "framework/WindowPlacement.h"
#include "ui/ModifyExStyle.h"

namespace {

POINT Origin(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return {rect.left, rect.top};
}

TEST(CenterWindowOver, HiddenReferenceMeansTheScreen) {
  OwnedWindow reference(MakePlainWindow(kPlainClass, WS_POPUP, 10, 10, 300, 200));
  OwnedWindow window(MakePlainWindow(kPlainClass, WS_POPUP, 0, 0, 200, 100));
  CenterWindowOver(window.get(), reference.get());
  const POINT origin = Origin(window.get());
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 200) / 2, origin.x);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 100) / 2, origin.y);
}

TEST(CenterWindowOver, VisibleReferenceIsTheArea) {
  OwnedWindow reference(MakePlainWindow(kPlainClass, WS_POPUP | WS_VISIBLE,
                                        100, 100, 401, 300));
  OwnedWindow window(MakePlainWindow(kPlainClass, WS_POPUP, 0, 0, 200, 100));
  CenterWindowOver(window.get(), reference.get());
  const POINT origin = Origin(window.get());
  EXPECT_EQ(100 + 201 / 2, origin.x);  // the half is truncated
  EXPECT_EQ(200, origin.y);
}

TEST(CenterWindowOver, WindowWiderThanTheFullScreenAreaEndsLeftOfZero) {
  const int width = GetSystemMetrics(SM_CXFULLSCREEN) + 100;
  OwnedWindow window(MakePlainWindow(kPlainClass, WS_POPUP, 5, 5, width, 50));
  CenterWindowOver(window.get(), nullptr);
  EXPECT_EQ(-100, Origin(window.get()).x);
}

TEST(CenterWindowOver, MinimisedWindowStaysWhereItIs) {
  OwnedWindow window(MakePlainWindow(kPlainClass, WS_OVERLAPPEDWINDOW, 7, 9,
                                     200, 100));
  ShowWindow(window.get(), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(IsIconic(window.get()));
  const POINT before = Origin(window.get());
  CenterWindowOver(window.get(), nullptr);
  const POINT after = Origin(window.get());
  EXPECT_EQ(before.x, after.x);
  EXPECT_EQ(before.y, after.y);
}

TEST(CenterWindowOver, CenterOnParentUsesTheOwner) {
  OwnedWindow owner(MakePlainWindow(kPlainClass, WS_POPUP | WS_VISIBLE, 100,
                                    100, 400, 300));
  OwnedWindow owned(MakePlainWindow(kPlainClass, WS_POPUP, 0, 0, 200, 100,
                                    owner.get()));
  Window window;
  ASSERT_EQ(1, window.Attach(owned.get()));
  window.CenterOnParent();
  const POINT origin = Origin(owned.get());
  EXPECT_EQ(200, origin.x);
  EXPECT_EQ(200, origin.y);
}

TEST(ModifyExStyle, ChangesOnlyWhatDiffers) {
  OwnedWindow window(MakePlainWindow());
  const LONG original = GetWindowLongA(window.get(), GWL_EXSTYLE);
  ASSERT_EQ(0, original & WS_EX_CONTEXTHELP);
  EXPECT_EQ(0, ModifyExStyle(window.get(), WS_EX_CONTEXTHELP, 0,
                             SWP_FRAMECHANGED));
  EXPECT_EQ(original, GetWindowLongA(window.get(), GWL_EXSTYLE));

  EXPECT_EQ(1, ModifyExStyle(window.get(), 0, WS_EX_TOOLWINDOW,
                             SWP_FRAMECHANGED));
  EXPECT_NE(0, GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(1, ModifyExStyle(window.get(), WS_EX_TOOLWINDOW, 0, 0));
  EXPECT_EQ(original, GetWindowLongA(window.get(), GWL_EXSTYLE));
}

TEST(ModifyExStyle, DeadWindowGivesZero) {
  const HWND dead = MakePlainWindow();
  DestroyWindow(dead);
  EXPECT_EQ(0, ModifyExStyle(dead, 0, WS_EX_TOOLWINDOW, 0));
  EXPECT_EQ(0, ModifyExStyle(nullptr, 0, WS_EX_TOOLWINDOW, 0));
}

}  // namespace
