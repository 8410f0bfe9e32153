// Each row of the dispatcher's routing table on a real window: the handler
// gets the unpacked arguments, and the message finishes in default
// processing or with the row's own result, with base handlers and with
// handlers that keep the message marked as processed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestSupport.h"
#include "ProbeWindow.h"
#include "framework/Application.h"

namespace {

constexpr LRESULT kDefault = ProbeWindow::kDefaultMark;

struct Row {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string call;
  LRESULT withBase;     // result when the handler is the base one
  LRESULT withHandled;  // result when the handler keeps `handled` at 1
};

LPARAM Pack(int low, int high) {
  return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low),
                                      static_cast<WORD>(high)));
}

class Routing : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(1, probe.Make());
    other_.reset(new OwnedWindow(MakePlainWindow()));
    other = other_->get();
    menu = CreatePopupMenu();
    probe.interceptDefault = true;
  }
  void TearDown() override { DestroyMenu(menu); }

  void Check(const Row& row, bool keepHandled) {
    SCOPED_TRACE(row.call + (keepHandled ? " (handled)" : " (base)"));
    probe.keepHandled = keepHandled;
    const LRESULT expected = keepHandled ? row.withHandled : row.withBase;
    EXPECT_EQ(expected, probe.Send(row.message, row.wParam, row.lParam));
    EXPECT_EQ(row.call, probe.lastCall);
    if (expected == kDefault) {
      EXPECT_EQ(1, probe.defaultCalls);
      EXPECT_EQ(row.message, probe.lastDefaultMessage);
    } else {
      EXPECT_EQ(0, probe.defaultCalls);
    }
  }

  ProbeWindow probe;
  WindowCleanup cleanup{probe};
  std::unique_ptr<OwnedWindow> other_;
  HWND other = nullptr;
  HMENU menu = nullptr;
};

TEST_F(Routing, EveryRowUnpacksItsArgumentsAndFinishesAsTheTableSays) {
  const std::string w = "W" + Hex(other);
  const WPARAM otherW = reinterpret_cast<WPARAM>(other);
  const LPARAM otherL = reinterpret_cast<LPARAM>(other);
  const WPARAM menuW = reinterpret_cast<WPARAM>(menu);
  const char* setting = "intl";

  DRAWITEMSTRUCT draw = {};
  draw.itemID = 77;
  draw.hDC = reinterpret_cast<HDC>(0x4321);
  MEASUREITEMSTRUCT measure = {};
  measure.itemID = 78;
  DELETEITEMSTRUCT deleted = {};
  deleted.itemID = 79;
  NMHDR notify = {};
  notify.code = static_cast<UINT>(-12345);

  const std::vector<Row> rows = {
      {WM_MOVE, 0, Pack(-5, 7), "OnMove -5 7", kDefault, kDefault},
      {WM_SIZE, SIZE_MAXIMIZED, Pack(0xFFFF, 20), "OnSize 2 65535 20",
       kDefault, kDefault},
      {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), otherL,
       "OnActivate 2 " + w + " 1", kDefault, kDefault},
      {WM_PAINT, 0, 0, "OnPaint", kDefault, 0},
      {WM_ERASEBKGND, 0x1234, 0, "OnEraseBackground DC1234", kDefault,
       ProbeWindow::kHandledValue},
      {WM_SYSCOLORCHANGE, 0, 0, "OnSysColorChange", kDefault, kDefault},
      {WM_WININICHANGE, 3, reinterpret_cast<LPARAM>(setting),
       "OnSettingChange 3 " + Hex(setting), kDefault, kDefault},
      {WM_SETCURSOR, reinterpret_cast<WPARAM>(probe.hwnd),
       Pack(HTCLIENT, WM_MOUSEMOVE), "OnSetCursor self 1 512", kDefault,
       ProbeWindow::kHandledValue},
      {WM_DRAWITEM, 5, reinterpret_cast<LPARAM>(&draw),
       "OnDrawItem 5 77 DC4321", kDefault, 0},
      {WM_MEASUREITEM, 6, reinterpret_cast<LPARAM>(&measure),
       "OnMeasureItem 6 78", kDefault, 0},
      {WM_DELETEITEM, 7, reinterpret_cast<LPARAM>(&deleted),
       "OnDeleteItem 7 79", kDefault, 0},
      {WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&notify), "OnNotify 8 -12345",
       kDefault, ProbeWindow::kHandledNotifyResult},
      {WM_CONTEXTMENU, otherW, Pack(-3, -4), "OnContextMenu " + w + " -3 -4",
       kDefault, kDefault},
      {WM_KEYDOWN, VK_F5, Pack(3, 0xC03F), "OnKey 116 3 49215", kDefault,
       kDefault},
      {WM_KEYUP, VK_F5, Pack(1, 0x8001), "OnKey 116 1 32769", kDefault,
       kDefault},
      {WM_COMMAND, MAKEWPARAM(1001, 0x300), otherL, "OnCommand 1001 768",
       kDefault, kDefault},
      {WM_SYSCOMMAND, SC_KEYMENU, Pack(-1, 2), "OnSysCommand 61696 -1 2",
       kDefault, 0},
      {WM_TIMER, 42, 0, "OnTimer 42", kDefault, kDefault},
      {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), otherL,
       "OnHScroll 5 300 " + w, kDefault, kDefault},
      {WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), otherL, "OnVScroll 1 0 " + w,
       kDefault, kDefault},
      {WM_INITMENU, menuW, 0, "OnInitMenu M" + Hex(menu), kDefault, kDefault},
      {WM_INITMENUPOPUP, menuW, Pack(2, 1),
       "OnInitMenuPopup M" + Hex(menu) + " 2 1", kDefault, kDefault},
      {WM_MENUSELECT, MAKEWPARAM(10, MF_POPUP), reinterpret_cast<LPARAM>(menu),
       "OnMenuSelect 10 16 " + Hex(menu), kDefault, kDefault},
      {WM_ENTERIDLE, MSGF_MENU, otherL, "OnEnterIdle 2 " + w, kDefault,
       kDefault},
      {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, Pack(-10, 20),
       "OnMouseMove 5 -10 20", kDefault, kDefault},
      {WM_LBUTTONDOWN, MK_LBUTTON, Pack(1, 2), "OnLButtonDown 1 1 2",
       kDefault, kDefault},
      {WM_LBUTTONUP, 0, Pack(3, -4), "OnLButtonUp 0 3 -4", kDefault,
       kDefault},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, Pack(5, 6), "OnLButtonDblClk 1 5 6",
       kDefault, kDefault},
      {WM_RBUTTONDOWN, MK_RBUTTON, Pack(-7, 8), "OnRButtonDown 2 -7 8",
       kDefault, kDefault},
      {WM_RBUTTONUP, 0, Pack(9, 10), "OnRButtonUp 0 9 10", kDefault,
       kDefault},
      {WM_RBUTTONDBLCLK, MK_RBUTTON, Pack(11, 12), "OnRButtonDblClk 2 11 12",
       kDefault, kDefault},
      {WM_MBUTTONDOWN, MK_MBUTTON, Pack(13, 14), "OnMButtonDown 16 13 14",
       kDefault, kDefault},
      {WM_MBUTTONUP, 0, Pack(15, -16), "OnMButtonUp 0 15 -16", kDefault,
       kDefault},
      {WM_MBUTTONDBLCLK, MK_MBUTTON, Pack(17, 18), "OnMButtonDblClk 16 17 18",
       kDefault, kDefault},
      {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), Pack(-7, 9),
       "OnMouseWheel 8 -120 -7 9", kDefault, 0},
      {WM_DROPFILES, 0x3333, 0, "OnDropFiles 3333", kDefault, kDefault},
      {WM_DRAWCLIPBOARD, 0, 0, "OnDrawClipboard", kDefault, 0},
      {WM_CHANGECBCHAIN, otherW, reinterpret_cast<LPARAM>(probe.hwnd),
       "OnChangeCbChain " + w + " self", kDefault, 0},
      {WM_USER + 5, 1, 2, "", kDefault, kDefault},
      {WM_HELP, 0, 0, "", kDefault, kDefault},
  };
  for (const Row& row : rows) {
    Check(row, false);
    Check(row, true);
  }
}

TEST_F(Routing, ControlColourRowsAnswerWithoutDefaultProcessing) {
  const std::string w = "W" + Hex(other);
  const WPARAM dc = 0x2222;
  const LPARAM control = reinterpret_cast<LPARAM>(other);
  const UINT messages[] = {WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,
                           WM_CTLCOLORBTN,  WM_CTLCOLORDLG,
                           WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC};
  int type = 1;
  for (UINT message : messages) {
    const std::string call = "OnCtlColor DC2222 " + w + " " +
                             std::to_string(type++);
    const LRESULT platform = DefWindowProcA(probe.hwnd, message, dc, control);
    Check({message, dc, control, call, platform, ProbeWindow::kHandledBrush},
          false);
    Check({message, dc, control, call, platform, ProbeWindow::kHandledBrush},
          true);
  }
}

TEST_F(Routing, HandleArgumentsBecomeObjectsOrNull) {
  // A handle without a window gives an empty wrapper, a null one no object.
  EXPECT_EQ(kDefault, probe.Send(WM_ACTIVATE, WA_ACTIVE, 0));
  EXPECT_EQ("OnActivate 1 null 0", probe.lastCall);
  probe.Send(WM_CONTEXTMENU, 0x7777, Pack(1, 1));
  EXPECT_EQ("OnContextMenu W0 1 1", probe.lastCall);
  probe.Send(WM_INITMENU, 0x7777);
  EXPECT_EQ("OnInitMenu M0", probe.lastCall);
  probe.Send(WM_ERASEBKGND, 0);
  EXPECT_EQ("OnEraseBackground null", probe.lastCall);
}

TEST_F(Routing, RegisteredWheelMessageArrivesAsMouseWheel) {
  class WheelWindow : public ProbeWindow {
   public:
    LRESULT WindowProc(UINT msg, WPARAM first, LPARAM second) override {
      if (msg == WM_MOUSEWHEEL) ++wheelSeen;
      return ProbeWindow::WindowProc(msg, first, second);
    }
    int wheelSeen = 0;
  } wheel;
  WindowCleanup wheelCleanup(wheel);
  ASSERT_EQ(1, wheel.Make());
  wheel.interceptDefault = true;

  const UINT registered = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  wheelMessage = registered;
  const LRESULT result =
      wheel.Send(registered, MAKEWPARAM(MK_SHIFT, -240), Pack(30, -40));
  wheelMessage = 0;

  EXPECT_EQ(kDefault, result);
  EXPECT_EQ("OnMouseWheel 4 -240 30 -40", wheel.lastCall);
  EXPECT_EQ(1, wheel.wheelSeen);
  EXPECT_EQ(static_cast<UINT>(WM_MOUSEWHEEL), wheel.lastDefaultMessage);

  // Unregistered, the same identifier is just a message without a row.
  wheel.Send(registered, MAKEWPARAM(MK_SHIFT, -240), 0);
  EXPECT_EQ("", wheel.lastCall);
}

}  // namespace
