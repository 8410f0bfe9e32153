// The base message handlers of Window: most only clear `handled`, which sends
// the message on to default processing.
#include "framework/HandleWrappers.h"
#include "framework/Window.h"
#include "framework/WindowRegistry.h"

int Window::OnSetCursor(Window*, UINT, UINT) {
  handled = 0;
  return 0;
}

void Window::OnSettingChange(WPARAM, LPARAM) { handled = 0; }
void Window::OnDrawClipboard() { handled = 0; }
void Window::OnChangeCbChain(Window*, Window*) { handled = 0; }

int Window::OnMouseWheel(UINT, int, int, int) {
  handled = 0;
  return 0;
}

int Window::OnCreate(CREATESTRUCTA*) {
  handled = 0;
  return 1;
}

LRESULT Window::OnCtlColor(DeviceContext*, Window*, int) {
  handled = 0;
  return CallDefWindowProc(message, wParam, lParam);
}

void Window::OnPaint() { handled = 0; }

int Window::OnEraseBackground(DeviceContext*) {
  handled = 0;
  return 0;
}

void Window::OnMenuSelect(UINT, UINT, HMENU) { handled = 0; }

int Window::OnNotify(int, NMHDR*, LRESULT*) {
  handled = 0;
  return 0;
}

void Window::OnEnterIdle(UINT, Window*) { handled = 0; }

void Window::OnNcDestroy() {
  handled = 0;
  // A subclassed window gets its own procedure back and leaves the map; a
  // created one only leaves the map.
  if (Unsubclass() == nullptr) window_registry::Unregister(hwnd);
}

void Window::OnSysCommand(UINT, int, int) { handled = 0; }
void Window::OnCommand(UINT, UINT) { handled = 0; }
void Window::OnActivate(UINT, Window*, bool) { handled = 0; }
void Window::OnMove(int, int) { handled = 0; }
void Window::OnClose() { handled = 0; }
void Window::OnSize(UINT, int, int) { handled = 0; }
void Window::OnDestroy() { handled = 0; }
void Window::OnInitMenuPopup(Menu*, UINT, bool) { handled = 0; }
void Window::OnInitMenu(Menu*) { handled = 0; }
void Window::OnDeleteItem(int, DELETEITEMSTRUCT*) { handled = 0; }
void Window::OnDrawItem(int, DRAWITEMSTRUCT*, DeviceContext*) { handled = 0; }
void Window::OnMeasureItem(int, MEASUREITEMSTRUCT*) { handled = 0; }
void Window::OnDropFiles(HDROP) { handled = 0; }
void Window::OnMouseMove(UINT, int, int) { handled = 0; }
void Window::OnLButtonDown(UINT, int, int) { handled = 0; }
void Window::OnRButtonDown(UINT, int, int) { handled = 0; }
void Window::OnMButtonDown(UINT, int, int) { handled = 0; }
void Window::OnLButtonUp(UINT, int, int) { handled = 0; }
void Window::OnRButtonUp(UINT, int, int) { handled = 0; }
void Window::OnMButtonUp(UINT, int, int) { handled = 0; }
void Window::OnLButtonDblClk(UINT, int, int) { handled = 0; }
void Window::OnRButtonDblClk(UINT, int, int) { handled = 0; }
void Window::OnMButtonDblClk(UINT, int, int) { handled = 0; }
void Window::OnSysColorChange() { handled = 0; }
