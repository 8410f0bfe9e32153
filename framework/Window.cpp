#include "framework/Window.h"

#include <vector>

#include "framework/Application.h"
#include "framework/WindowPlacement.h"
#include "framework/WindowRegistry.h"
#include "support/ModuleHandles.h"

int Window::Create(LPCSTR className, LPCSTR windowName, DWORD style,
                   DWORD exStyle, int x, int y, int width, int height,
                   HWND parent, HMENU menu, void* param) {
  return CreateWindowObject(className, windowName, style, exStyle, x, y,
                            width, height, parent, menu, param);
}

int Window::CreateWindowObject(LPCSTR className, LPCSTR windowName,
                               DWORD style, DWORD exStyle, int x, int y,
                               int width, int height, HWND parent, HMENU menu,
                               void* param) {
  // `hwnd` is set by the window procedure on the window's first message.
  window_registry::AddPending(this);
  const HWND created =
      CreateWindowExA(exStyle, className, windowName, style, x, y, width,
                      height, parent, menu, windowInstance(), param);
  if (created == nullptr) {
    // A window that never sent a message must not leave this object
    // pending, or the next unknown window would be bound to it.
    window_registry::WithdrawPending(this);
    return 0;
  }
  return 1;
}

int Window::Destroy() {
  const int result = DestroyWindow(hwnd) ? 1 : 0;
  hwnd = nullptr;
  return result;
}

int Window::Subclass() {
  if (hwnd == nullptr || !IsWindow(hwnd)) return 0;
  if (prevWndProc != nullptr) return 1;
  PreSubclass();
  window_registry::AddPending(this);
  prevWndProc = reinterpret_cast<WNDPROC>(SetWindowLongA(
      hwnd, GWL_WNDPROC, reinterpret_cast<LONG>(&WindowProcedure)));
  // Registers the object at once and passes WM_NULL to the replaced procedure.
  WindowProcedure(hwnd, WM_NULL, 0, 0);
  return 1;
}

HWND Window::Unsubclass() {
  if (prevWndProc == nullptr) return nullptr;
  SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG>(prevWndProc));
  prevWndProc = nullptr;
  window_registry::Unregister(hwnd);
  return hwnd;
}

int Window::SetText(LPCSTR text) { return SetWindowTextA(hwnd, text) ? 1 : 0; }

std::string Window::GetText() {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buffer(length + 1, '\0');
  const int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? copied : 0);
}

LRESULT Window::DefaultProc() {
  if (prevWndProc != nullptr) {
    return CallWindowProcA(prevWndProc, hwnd, message, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int Window::Attach(HWND handle) {
  if (!IsWindow(handle)) return 0;
  hwnd = handle;
  return 1;
}

Window* Window::GetParentWindow() { return FromHandle(GetParent(hwnd)); }

void Window::CenterOnParent() {
  const Window* parent = GetParentWindow();
  CenterWindowOver(hwnd, parent != nullptr ? parent->hwnd : nullptr);
}

BOOL Window::Help(ULONG_PTR data, UINT command) {
  const Application* application = Application::Instance();
  const char* helpFile =
      application != nullptr ? application->helpPath.c_str() : "";
  return WinHelpA(hwnd, helpFile, command, data);
}

LRESULT Window::CallDefWindowProc(UINT msg, WPARAM first, LPARAM second) {
  return DefWindowProcA(hwnd, msg, first, second);
}
