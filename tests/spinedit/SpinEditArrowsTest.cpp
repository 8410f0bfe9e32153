// The arrows, values beyond 16 bits, layout, enabling and the control's
// lifetime, on a live control.
#include <windows.h>

#include <commctrl.h>

#include "SpinEditHarness.h"

using SpinEditArrows = SpinEditFixture;

namespace {

void ExpectOnlyChangeCommandsFrom(const std::vector<RecordedCommand>& commands, int id, HWND control) {
  for (const RecordedCommand& command : commands) {
    EXPECT_EQ(MAKEWPARAM(id, 0), command.wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(control), command.lParam);
  }
}

}  // namespace

TEST_F(SpinEditArrows, UpAtTheMaximumBeepsAndDoesNotStep) {
  SetRange(5, 10);
  SetValue(10);
  ResetCounts();
  PressArrow(VK_UP);
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("10", Text());
  EXPECT_EQ(10, Value());
  EXPECT_TRUE(commands().empty());
}

TEST_F(SpinEditArrows, DownStepsAndNotifiesTheParent) {
  SetRange(5, 10);
  SetValue(10);
  ResetCounts();
  PressArrow(VK_DOWN);
  EXPECT_EQ(0, beeps());
  EXPECT_EQ("9", Text());
  EXPECT_EQ(9, Value());
  EXPECT_FALSE(commands().empty());
  ExpectOnlyChangeCommandsFrom(commands(), kControlId, spin());
}

TEST_F(SpinEditArrows, DownAtTheMinimumBeeps) {
  SetRange(5, 10);
  ResetCounts();
  PressArrow(VK_DOWN);
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("5", Text());
}

TEST_F(SpinEditArrows, ClickingTheLowerArrowStepsDown) {
  SetRange(5, 10);
  SetValue(7);
  RECT area;
  GetClientRect(upDown(), &area);
  const LPARAM lowerHalf = MAKELPARAM(area.right / 2, area.bottom * 3 / 4);
  SendMessageA(upDown(), WM_LBUTTONDOWN, MK_LBUTTON, lowerHalf);
  SendMessageA(upDown(), WM_LBUTTONUP, 0, lowerHalf);
  EXPECT_EQ("6", Text());
  EXPECT_EQ(6, Value());
}

TEST_F(SpinEditArrows, ValuesBeyondSixteenBitsWork) {
  EXPECT_EQ(1, SetRange(-100000, 100000));
  EXPECT_EQ(1, SetValue(-70000));
  EXPECT_EQ("-70000", Text());
  EXPECT_EQ(-70000, Value());
  PressArrow(VK_UP);
  EXPECT_EQ("-69999", Text());
  EXPECT_EQ(-69999, Value());
  PressArrow(VK_DOWN);
  PressArrow(VK_DOWN);
  EXPECT_EQ(-70001, Value());

  Type("99999");
  EXPECT_EQ(99999, Value());
  PressArrow(VK_UP);
  EXPECT_EQ("100000", Text());
  ResetCounts();
  PressArrow(VK_UP);
  EXPECT_EQ(1, beeps());
  EXPECT_EQ(100000, Value());

  ResetCounts();
  Type("-150000");
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("-100000", Text());
  EXPECT_EQ(-100000, Value());
  EXPECT_EQ(0, SetValue(100001));
}

TEST_F(SpinEditArrows, DisablingDisablesBothChildren) {
  EnableWindow(spin(), FALSE);
  EXPECT_FALSE(IsWindowEnabled(edit()));
  EXPECT_FALSE(IsWindowEnabled(upDown()));
  EnableWindow(spin(), TRUE);
  EXPECT_TRUE(IsWindowEnabled(edit()));
  EXPECT_TRUE(IsWindowEnabled(upDown()));
}

TEST_F(SpinEditArrows, ResizingKeepsTheArrowsAtTheRightEdge) {
  for (int width : {kControlWidth, 200, 80, 150}) {
    SetWindowPos(spin(), nullptr, 0, 0, width, 30, SWP_NOMOVE | SWP_NOZORDER);
    RECT field, arrows;
    GetWindowRect(edit(), &field);
    GetWindowRect(upDown(), &arrows);
    MapWindowPoints(HWND_DESKTOP, spin(), reinterpret_cast<POINT*>(&field), 2);
    MapWindowPoints(HWND_DESKTOP, spin(), reinterpret_cast<POINT*>(&arrows), 2);
    EXPECT_EQ(0, field.left) << width;
    EXPECT_EQ(0, field.top) << width;
    EXPECT_EQ(30, field.bottom) << width;
    EXPECT_LE(arrows.right, width) << width;
    EXPECT_GE(arrows.right, width - 4) << width;  // the arrows may tuck under the field's border
    EXPECT_GE(arrows.left, field.right - 4) << width;
    EXPECT_GT(arrows.left, width / 2) << width;
  }
}

namespace {

WNDPROC spinEditProcedure = nullptr;
LONG_PTR stateAtLastMessage = -1;

LRESULT CALLBACK WatchLastMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcA(spinEditProcedure, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) stateAtLastMessage = GetWindowLongPtrA(window, 0);
  return result;
}

}  // namespace

TEST_F(SpinEditArrows, DestroyingReleasesTheState) {
  ASSERT_NE(0, GetWindowLongPtrA(spin(), 0));
  spinEditProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(spin(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchLastMessage)));
  stateAtLastMessage = -1;
  SetFocus(spin());  // the field loses the focus while the control goes away
  ASSERT_EQ(edit(), GetFocus());
  Type("");
  ResetCounts();
  EXPECT_TRUE(DestroyWindow(spin()));
  EXPECT_EQ(0, stateAtLastMessage);
  EXPECT_EQ(0, beeps());
  EXPECT_FALSE(IsWindow(spin()));
  EXPECT_EQ(0, GetWindowLongPtrA(spin(), 0));
}

TEST_F(SpinEditArrows, WithoutStateMessagesTakeTheDefaultPath) {
  const LONG_PTR state = SetWindowLongPtrA(spin(), 0, 0);
  ASSERT_NE(0, state);
  EXPECT_EQ(0, SetRange(1, 5));
  EXPECT_EQ(0, SetValue(0));
  EXPECT_EQ(0, Value());
  NMUPDOWN step{};
  step.hdr.code = UDN_DELTAPOS;
  EXPECT_EQ(0, Send(WM_NOTIFY, kSpinEditUpDownId, reinterpret_cast<LPARAM>(&step)));
  Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 20));
  Send(WM_ENABLE, FALSE);
  Type("12a");
  PressArrow(VK_UP);
  EXPECT_EQ(0, beeps());
  SetWindowLongPtrA(spin(), 0, state);
  // The state was left alone: the range is still 0..0.
  EXPECT_EQ(0, SetValue(1));
  EXPECT_EQ(1, SetValue(0));
}

TEST_F(SpinEditArrows, StrayCreateMessagesChangeNothing) {
  ASSERT_EQ(1, SetRange(0, 50));
  ASSERT_EQ(1, SetValue(7));
  const LONG_PTR state = GetWindowLongPtrA(spin(), 0);
  CREATESTRUCTA create{};
  create.hwndParent = parent();
  Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
  Send(WM_CREATE, 0, 0);
  EXPECT_EQ(state, GetWindowLongPtrA(spin(), 0));
  int children = 0;
  for (HWND child = GetWindow(spin(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(2, children);
  EXPECT_EQ("7", Text());
  EXPECT_EQ(7, Value());
}

TEST_F(SpinEditArrows, NotificationsOtherThanAStepArePassedOver) {
  NMHDR header{};
  header.code = NM_RELEASEDCAPTURE;
  EXPECT_EQ(0, Send(WM_NOTIFY, kSpinEditUpDownId, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(0, Send(WM_NOTIFY, kSpinEditUpDownId, 0));
  EXPECT_EQ(0, beeps());
}

TEST_F(SpinEditArrows, NotifyParentCommandNamesTheChild) {
  NotifyParentCommand(parent(), kControlId, 5);
  ASSERT_EQ(1u, commands().size());
  EXPECT_EQ(MAKEWPARAM(kControlId, 5), commands()[0].wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(spin()), commands()[0].lParam);
}
