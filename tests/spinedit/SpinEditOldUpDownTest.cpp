// The spin-edit on an up-down from before comctl32 5.80, which passes the
// 32-bit range and position messages to the default procedure (answer 0).
#include <windows.h>

#include <commctrl.h>

#include "SpinEditHarness.h"
#include "ui/SpinEditText.h"

namespace {

WNDPROC upDownProcedure = nullptr;
int swallowedMessages = 0;

LRESULT CALLBACK OldUpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == UDM_SETRANGE32 || message == UDM_GETRANGE32 || message == UDM_SETPOS32 ||
      message == UDM_GETPOS32) {
    ++swallowedMessages;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return CallWindowProcA(upDownProcedure, window, message, wParam, lParam);
}

}  // namespace

using SpinEditOldUpDown = SpinEditFixture;

TEST_F(SpinEditOldUpDown, NeverTurnsTheValueIntoZero) {
  upDownProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(upDown(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldUpDownProc)));
  const struct {
    int minimum, maximum, value;
    const char* typed;
    int valueAfterTyping;
    WPARAM arrow;  // 0: none
    int valueAfterArrow, arrowBeeps;
  } cases[] = {
      // Beyond 16 bits the old arrows cannot follow: a step is refused.
      {1, 65535, 9801, "8080", 8080, VK_UP, 8080, 1},
      {-20000, 20000, 12345, "-19999", -19999, VK_DOWN, -19999, 1},
      // Within 16 bits the 16-bit messages carry range and position.
      {5, 10, 7, "9", 9, VK_DOWN, 8, 0},
      {-100, 100, -42, "-7", -7, VK_UP, -6, 0},
      {-50, 50, 20, "-", 20, 0, 20, 0},  // an unfinished entry keeps the value
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.value);
    swallowedMessages = 0;
    ASSERT_EQ(1, SetRange(test.minimum, test.maximum));
    ASSERT_EQ(1, SetValue(test.value));
    EXPECT_EQ(test.value, Value());
    Type(test.typed);
    EXPECT_EQ(test.valueAfterTyping, Value());
    if (test.arrow != 0) {
      ResetCounts();
      PressArrow(test.arrow);
      EXPECT_EQ(test.arrowBeeps, beeps());
      EXPECT_EQ(FormatSpinEditNumber(test.valueAfterArrow).bytes, Text());
    }
    EXPECT_EQ(test.valueAfterArrow, Value());
    EXPECT_GT(swallowedMessages, 0);
  }
}
