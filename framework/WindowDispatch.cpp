// The message dispatcher of every framework window: unpacks a message into a
// call of its virtual handler and decides from the handler's result, or from
// the `handled` flag, whether the message still gets default processing.
#include <windows.h>

#include "framework/Application.h"
#include "framework/HandleWrappers.h"
#include "framework/Window.h"

namespace {

constexpr LRESULT kCreationRefused = -1;

UINT Low(DWORD value) { return LOWORD(value); }
UINT High(DWORD value) { return HIWORD(value); }
int SignedLow(DWORD value) { return static_cast<short>(LOWORD(value)); }
int SignedHigh(DWORD value) { return static_cast<short>(HIWORD(value)); }

Window* W(WPARAM handle) {
  return Window::FromHandle(reinterpret_cast<HWND>(handle));
}
DeviceContext* DC(WPARAM handle) {
  return DeviceContext::FromHandle(reinterpret_cast<HDC>(handle));
}
Menu* M(WPARAM handle) {
  return Menu::FromHandle(reinterpret_cast<HMENU>(handle));
}

int ControlColorType(UINT message) {
  return static_cast<int>(message - WM_CTLCOLOREDIT) + CTLCOLOR_EDIT;
}

bool IsMainWindow(HWND hwnd) {
  const Application* application = Application::Instance();
  return application != nullptr && application->mainWindow != nullptr &&
         application->mainWindow->hwnd == hwnd;
}

}  // namespace

LRESULT Window::WindowProc(UINT msg, WPARAM first, LPARAM second) {
  handled = 1;
  if (wheelMessage != 0 && msg == wheelMessage) {
    return WindowProc(WM_MOUSEWHEEL, first, second);
  }

  const DWORD wp = static_cast<DWORD>(first);
  const DWORD lp = static_cast<DWORD>(second);
  // For the rows whose finish depends on the flag: the value to return when
  // the handler kept `handled` at 1.
  bool byFlag = false;
  LRESULT flagResult = 0;

  switch (msg) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<CREATESTRUCTA*>(second)) != 0
                 ? 0
                 : kCreationRefused;
    case WM_DESTROY:
      OnDestroy();
      if (IsMainWindow(hwnd)) PostQuitMessage(0);
      break;
    case WM_MOVE:
      OnMove(SignedLow(lp), SignedHigh(lp));
      break;
    case WM_SIZE:
      OnSize(wp, Low(lp), High(lp));
      break;
    case WM_ACTIVATE:
      OnActivate(Low(wp), W(second), High(wp) != 0);
      break;
    case WM_PAINT:
      OnPaint();
      byFlag = true;
      flagResult = 0;
      break;
    case WM_CLOSE:
      if (CanClose() == 0) return 0;
      handled = 0;
      OnClose();
      break;
    case WM_ERASEBKGND: {
      const int result = OnEraseBackground(DC(first));
      byFlag = true;
      flagResult = result;
      break;
    }
    case WM_SYSCOLORCHANGE:
      OnSysColorChange();
      break;
    case WM_WININICHANGE:
      OnSettingChange(first, second);
      break;
    case WM_SETCURSOR: {
      const int result = OnSetCursor(W(first), Low(lp), High(lp));
      byFlag = true;
      flagResult = result;
      break;
    }
    case WM_DRAWITEM: {
      auto* drawItem = reinterpret_cast<DRAWITEMSTRUCT*>(second);
      const HDC drawing = drawItem != nullptr ? drawItem->hDC : nullptr;
      OnDrawItem(static_cast<int>(wp), drawItem,
                 DC(reinterpret_cast<WPARAM>(drawing)));
      byFlag = true;
      flagResult = 0;
      break;
    }
    case WM_MEASUREITEM:
      OnMeasureItem(static_cast<int>(wp),
                    reinterpret_cast<MEASUREITEMSTRUCT*>(second));
      byFlag = true;
      flagResult = 0;
      break;
    case WM_DELETEITEM:
      OnDeleteItem(static_cast<int>(wp),
                   reinterpret_cast<DELETEITEMSTRUCT*>(second));
      byFlag = true;
      flagResult = 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(static_cast<int>(wp), reinterpret_cast<NMHDR*>(second),
                   &result) != 0) {
        return result;
      }
      break;
    }
    case WM_CONTEXTMENU:
      OnContextMenu(W(first), SignedLow(lp), SignedHigh(lp));
      break;
    case WM_NCDESTROY:
      OnNcDestroy();
      Help(0, HELP_QUIT);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      OnKey(wp, Low(lp), High(lp));
      break;
    case WM_COMMAND:
      OnCommand(Low(wp), High(wp));
      break;
    case WM_SYSCOMMAND:
      OnSysCommand(wp, SignedLow(lp), SignedHigh(lp));
      byFlag = true;
      flagResult = 0;
      break;
    case WM_TIMER:
      OnTimer(first);
      break;
    case WM_HSCROLL:
      OnHScroll(Low(wp), High(wp), W(second));
      break;
    case WM_VSCROLL:
      OnVScroll(Low(wp), High(wp), W(second));
      break;
    case WM_INITMENU:
      OnInitMenu(M(first));
      break;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(M(first), Low(lp), High(lp) != 0);
      break;
    case WM_MENUSELECT:
      OnMenuSelect(Low(wp), High(wp), reinterpret_cast<HMENU>(second));
      break;
    case WM_ENTERIDLE:
      OnEnterIdle(wp, W(second));
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      Window* control = W(second);  // the lParam wrapper is made first
      return OnCtlColor(DC(first), control, ControlColorType(msg));
    }
    case WM_MOUSEMOVE:
      OnMouseMove(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_LBUTTONDOWN:
      OnLButtonDown(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_LBUTTONUP:
      OnLButtonUp(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_RBUTTONDOWN:
      OnRButtonDown(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_RBUTTONUP:
      OnRButtonUp(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_RBUTTONDBLCLK:
      OnRButtonDblClk(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_MBUTTONDOWN:
      OnMButtonDown(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_MBUTTONUP:
      OnMButtonUp(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_MBUTTONDBLCLK:
      OnMButtonDblClk(wp, SignedLow(lp), SignedHigh(lp));
      break;
    case WM_MOUSEWHEEL:
      if (OnMouseWheel(Low(wp), SignedHigh(wp), SignedLow(lp),
                       SignedHigh(lp)) != 0) {
        return 0;
      }
      break;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(first));
      break;
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard();
      byFlag = true;
      flagResult = 0;
      break;
    case WM_CHANGECBCHAIN: {
      Window* next = W(second);  // the lParam wrapper is made first
      OnChangeCbChain(W(first), next);
      byFlag = true;
      flagResult = 0;
      break;
    }
    default:
      break;
  }
  if (byFlag && handled) return flagResult;

  // Default processing of this message, even when handlers sent others.
  message = msg;
  wParam = first;
  lParam = second;
  return DefaultProc();
}
