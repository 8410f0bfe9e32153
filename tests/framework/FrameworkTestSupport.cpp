#include "FrameworkTestSupport.h"

#include <cstdio>

#include "framework/Window.h"
#include "support/ModuleHandles.h"

const char kFrameworkClass[] = "FrameworkTestWindow";
const char kPlainClass[] = "FrameworkTestPlain";

namespace {

constexpr DWORD kPollMs = 10;
constexpr UINT kSendTimeoutMs = 5000;

void RegisterClassOnce(const char* name, WNDPROC procedure) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = windowInstance();
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);  // a second registration just fails
}

}  // namespace

void RegisterTestClasses() {
  RegisterClassOnce(kFrameworkClass, WindowProcedure);
  RegisterClassOnce(kPlainClass, DefWindowProcA);
}

HWND MakePlainWindow(const char* className, DWORD style, int x, int y,
                     int width, int height, HWND parent) {
  RegisterTestClasses();
  return CreateWindowExA(0, className, "", style, x, y, width, height, parent,
                         nullptr, windowInstance(), nullptr);
}

WindowCleanup::~WindowCleanup() {
  if (object_.hwnd != nullptr && IsWindow(object_.hwnd)) object_.Destroy();
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(kPollMs);
  }
  return true;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(kPollMs);
  }
  return true;
}

HWND WaitForWindow(const char* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindWindowA(nullptr, caption);
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

LRESULT SendWithTimeout(HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::string Hex(const void* handle) {
  char text[32];
  std::snprintf(text, sizeof text, "%lx",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle)));
  return text;
}

std::string Describe(const Window* window, const Window* self) {
  if (window == nullptr) return "null";
  if (window == self) return "self";
  return "W" + Hex(window->hwnd);
}
