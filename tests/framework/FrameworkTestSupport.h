// Helpers shared by the window framework's tests: a registered window class
// served by the shared window procedure, owned raw windows, message pumping
// and polling with deadlines, a second thread that drives modal loops, and
// capture of debug output.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

class Window;

// A window class whose procedure is WindowProcedure.
extern const char kFrameworkClass[];
// A window class served by DefWindowProcA, for windows without objects.
extern const char kPlainClass[];
void RegisterTestClasses();

// Owns a window made directly with CreateWindowExA.
class OwnedWindow {
 public:
  explicit OwnedWindow(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  ~OwnedWindow() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// A hidden top-level window of kPlainClass (or of `className`).
HWND MakePlainWindow(const char* className = kPlainClass, DWORD style = WS_POPUP,
                     int x = 0, int y = 0, int width = 100, int height = 60,
                     HWND parent = nullptr);

// Destroys an object's window when the test ends, before the object goes.
class WindowCleanup {
 public:
  explicit WindowCleanup(Window& object) : object_(object) {}
  ~WindowCleanup();
  WindowCleanup(const WindowCleanup&) = delete;
  WindowCleanup& operator=(const WindowCleanup&) = delete;

 private:
  Window& object_;
};

// Polls `done` every few milliseconds; false when the deadline passed.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// The same on the window's thread, dispatching its messages meanwhile.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// The top-level window with this caption, or null after the deadline.
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);
// SendMessage that gives up after a few seconds (0 then).
LRESULT SendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Runs `steps` on a second thread; joined when the driver goes.
class UiDriver {
 public:
  explicit UiDriver(std::function<void()> steps) : thread_(std::move(steps)) {}
  ~UiDriver() { thread_.join(); }
  UiDriver(const UiDriver&) = delete;
  UiDriver& operator=(const UiDriver&) = delete;

 private:
  std::thread thread_;
};

// "null", "self" for `self`, else the wrapped handle in hex ("W0" when the
// wrapper holds none).
std::string Describe(const Window* window, const Window* self);
std::string Hex(const void* handle);
