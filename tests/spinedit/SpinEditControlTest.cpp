// The control's class, its children, the owner's messages and the typing
// check, on a live control.
#include <windows.h>

#include <commctrl.h>

#include "SpinEditHarness.h"

TEST(SpinEditClass, RegistersTheDocumentedClassAndAlwaysReportsSuccess) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  EXPECT_EQ(1, RegisterSpinEditClass(instance));
  EXPECT_EQ(1, RegisterSpinEditClass(instance));  // already there: still 1
  WNDCLASSEXA info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetClassInfoExA(instance, kSpinEditClassName, &info));
  EXPECT_EQ(0x4023u, info.style);
  EXPECT_EQ(4, info.cbWndExtra);
  EXPECT_EQ(0, info.cbClsExtra);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), info.hCursor);
  EXPECT_EQ(nullptr, info.hbrBackground);
  EXPECT_EQ(nullptr, info.hIcon);
}

using SpinEdit = SpinEditFixture;

TEST_F(SpinEdit, FreshControlShowsZeroWithItsTwoChildren) {
  EXPECT_EQ("0", Text());
  EXPECT_EQ(0, Value());
  ASSERT_NE(nullptr, edit());
  ASSERT_NE(nullptr, upDown());
  char className[32] = {};
  GetClassNameA(edit(), className, sizeof(className));
  EXPECT_STRCASEEQ("Edit", className);
  GetClassNameA(upDown(), className, sizeof(className));
  EXPECT_STREQ(UPDOWN_CLASSA, className);
  EXPECT_TRUE(GetWindowLongA(edit(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  const DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
  EXPECT_EQ(editStyle, GetWindowLongA(edit(), GWL_STYLE) & editStyle);
  const DWORD upDownStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  EXPECT_EQ(upDownStyle, GetWindowLongA(upDown(), GWL_STYLE) & (upDownStyle | UDS_WRAP));
  EXPECT_EQ(edit(), reinterpret_cast<HWND>(SendMessageA(upDown(), UDM_GETBUDDY, 0, 0)));
  EXPECT_EQ(ParentFont(), reinterpret_cast<HFONT>(SendMessageA(edit(), WM_GETFONT, 0, 0)));
}

TEST_F(SpinEdit, SetRangeRefusesAnInvertedRangeAndPullsTheValueIn) {
  EXPECT_EQ(0, SetRange(10, 5));
  EXPECT_EQ(0, SetValue(7));  // the range is still 0..0
  EXPECT_EQ(1, SetValue(0));
  EXPECT_EQ(1, SetRange(5, 10));
  EXPECT_EQ("5", Text());
  EXPECT_EQ(5, Value());
  int minimum = 0, maximum = 0;
  SendMessageA(upDown(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum),
               reinterpret_cast<LPARAM>(&maximum));
  EXPECT_EQ(5, minimum);
  EXPECT_EQ(10, maximum);
  EXPECT_EQ(1, SetRange(-20, -10));  // from above
  EXPECT_EQ("-10", Text());
  EXPECT_EQ(-10, Value());
  EXPECT_EQ(0, beeps());
}

TEST_F(SpinEdit, SetValueAcceptsOnlyValuesInRange) {
  SetRange(5, 10);
  EXPECT_EQ(0, SetValue(11));
  EXPECT_EQ(0, SetValue(4));
  EXPECT_EQ("5", Text());
  EXPECT_EQ(1, SetValue(7));
  EXPECT_EQ("7", Text());
  EXPECT_EQ(7, Value());
  EXPECT_EQ(7, UpDownPosition());
  EXPECT_EQ(0, beeps());
}

TEST_F(SpinEdit, NegativeValuesReadBackSigned) {
  SetRange(-5, 5);
  EXPECT_EQ(1, SetValue(-5));
  EXPECT_EQ("-5", Text());
  EXPECT_EQ(-5, Value());
  EXPECT_EQ("-5", Text());  // reading it did not change what is shown
}

TEST_F(SpinEdit, TypingANumberInRangeMovesThePositionAndNotifies) {
  SetRange(0, 100);
  ResetCounts();
  Type("42");
  EXPECT_EQ(0, beeps());
  EXPECT_EQ("42", Text());
  EXPECT_EQ(42, UpDownPosition());
  EXPECT_EQ(42, Value());
  ASSERT_FALSE(commands().empty());
  EXPECT_EQ(MAKEWPARAM(kControlId, 0), commands().back().wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(spin()), commands().back().lParam);
}

TEST_F(SpinEdit, LoneMinusWithoutNegativesBeepsAndRestoresTheValue) {
  SetRange(0, 100);
  SetValue(42);
  ResetCounts();
  Type("-");
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("42", Text());
  EXPECT_EQ(SelectionOf(0, 2), Selection());
  EXPECT_EQ(42, Value());
}

TEST_F(SpinEdit, NegativeNumbersCanBeTypedKeyByKey) {
  SetRange(-50, 50);
  SetValue(20);
  Type("");
  ResetCounts();
  TypeKeys("-");
  EXPECT_EQ(0, beeps());
  EXPECT_EQ("-", Text());
  // The up-down cannot read "-"; the control keeps its value.
  EXPECT_EQ(20, Value());
  TypeKeys("30");
  EXPECT_EQ(0, beeps());
  EXPECT_EQ("-30", Text());
  EXPECT_EQ(-30, Value());
}

TEST_F(SpinEdit, TypingAboveTheMaximumBeepsAndSelectsTheMaximum) {
  SetRange(0, 100);
  ResetCounts();
  Type("150");
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("100", Text());
  EXPECT_EQ(SelectionOf(0, 3), Selection());
  EXPECT_EQ(100, UpDownPosition());
  EXPECT_EQ(100, Value());
}

TEST_F(SpinEdit, EmptyingTheFieldBelowTheMinimumBeepsAndShowsIt) {
  SetRange(1, 100);
  SetValue(50);
  ResetCounts();
  Type("");
  EXPECT_EQ(1, beeps());
  EXPECT_EQ("1", Text());
  EXPECT_EQ(1, Value());
}

TEST_F(SpinEdit, BadlyShapedTextBeepsAndRestores) {
  SetRange(0, 100);
  SetValue(42);
  for (const char* typed : {"007", "+5", "12a", " 5", "1 "}) {
    ResetCounts();
    Type(typed);
    EXPECT_EQ(1, beeps()) << typed;
    EXPECT_EQ("42", Text()) << typed;
    EXPECT_EQ(42, Value()) << typed;
  }
}

TEST_F(SpinEdit, ShapeAndBoundCanBothBeepForOneChange) {
  SetRange(0, 100);
  ResetCounts();
  Type("0999");
  EXPECT_EQ(2, beeps());
  EXPECT_EQ("100", Text());
  EXPECT_EQ(100, Value());
}

TEST_F(SpinEdit, FocusGoesToTheField) {
  SetFocus(spin());
  EXPECT_EQ(edit(), GetFocus());
}

TEST_F(SpinEdit, LeavingAnUnfinishedEntryBeepsAndRestores) {
  SetRange(-50, 50);
  SetValue(42);
  for (const char* typed : {"", "-"}) {
    SetFocus(spin());
    ASSERT_EQ(edit(), GetFocus());
    ResetCounts();
    Type(typed);
    EXPECT_EQ(0, beeps()) << typed;
    EXPECT_EQ(typed, Text());
    SetFocus(otherField());
    EXPECT_EQ(1, beeps()) << typed;
    EXPECT_EQ("42", Text()) << typed;
  }
}

TEST_F(SpinEdit, LeavingANumberIsQuiet) {
  SetRange(0, 100);
  SetFocus(spin());
  Type("17");
  ResetCounts();
  SetFocus(otherField());
  EXPECT_EQ(0, beeps());
  EXPECT_EQ("17", Text());
}
