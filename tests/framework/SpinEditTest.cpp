// The spin-edit wrapper creates its control as a subclassed child; a stand-in
// window class plays the control here.
#include <windows.h>

#include <gtest/gtest.h>

#include "FrameworkTestSupport.h"
#include "ui/SpinEdit.h"

namespace {

constexpr int kControlId = 321;

class StandInSpinEdit : public SpinEdit {
 public:
  explicit StandInSpinEdit(const char* className) : className_(className) {}
  std::string GetClassName() override { return className_; }

 private:
  std::string className_;
};

TEST(SpinEdit, CreatesASubclassedChildOfItsClass) {
  OwnedWindow parent(MakePlainWindow());
  StandInSpinEdit spin(kPlainClass);
  WindowCleanup cleanup(spin);
  ASSERT_EQ(1, spin.CreateControl(parent.get(), kControlId, "12",
                                  WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, 5,
                                  6, 70, 20));
  ASSERT_NE(nullptr, spin.hwnd);
  EXPECT_EQ(&spin, Window::FindHandle(spin.hwnd));
  EXPECT_NE(nullptr, spin.prevWndProc);
  EXPECT_EQ(parent.get(), GetParent(spin.hwnd));
  EXPECT_EQ(kControlId, GetDlgCtrlID(spin.hwnd));
  EXPECT_EQ("12", spin.GetText());
  EXPECT_NE(0, GetWindowLongA(spin.hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(&spin, Window::FromHandle(GetDlgItem(parent.get(), kControlId)));
}

TEST(SpinEdit, UnknownClassMakesNothing) {
  OwnedWindow parent(MakePlainWindow());
  StandInSpinEdit spin("NoSuchSpinEditClass");
  EXPECT_EQ(0, spin.CreateControl(parent.get(), kControlId, "", WS_CHILD, 0,
                                  0, 0, 10, 10));
  EXPECT_EQ(nullptr, spin.hwnd);
  EXPECT_EQ(nullptr, spin.prevWndProc);
}

TEST(SpinEdit, RefusesGenericCreationAndNamesItsClass) {
  SpinEdit spin;
  EXPECT_EQ(0, spin.CreateWindowObject(kPlainClass, "", WS_POPUP, 0, 0, 0, 10,
                                       10, nullptr, nullptr, nullptr));
  EXPECT_EQ(0, spin.Create(kPlainClass, "", WS_POPUP, 0, 0, 0, 10, 10,
                           nullptr, nullptr, nullptr));
  EXPECT_EQ(nullptr, spin.hwnd);
  EXPECT_EQ("VeloSpinEdit", spin.GetClassName());
}

}  // namespace
