// The shared window procedure: binds a pending object to its window on the
// first message, then hands every message to the object's dispatcher.
#include "framework/Window.h"
#include "framework/WindowRegistry.h"

namespace {

// The object for a window, taking the pending one on its first message.
Window* ObjectFor(HWND hwnd) {
  if (Window* known = window_registry::Find(hwnd)) return known;

  window_registry::PendingMap& pending = window_registry::pendingWindows();
  const auto waiting = pending.find(window_registry::creationTicket());
  if (waiting == pending.end()) return nullptr;

  Window* object = waiting->second;
  pending.erase(waiting);
  window_registry::Register(hwnd, object);
  object->hwnd = hwnd;
  window_registry::AdvanceCreationTicket();
  return object;
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  window_registry::ProcedureCall call;
  if (Window* object = ObjectFor(hwnd)) {
    object->wParam = wParam;
    object->lParam = lParam;
    object->message = message;
    return object->WindowProc(message, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

Window* Window::FindHandle(HWND hwnd) { return window_registry::Find(hwnd); }

Window* Window::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (Window* known = window_registry::Find(hwnd)) return known;
  auto* wrapper = new Window;
  wrapper->Attach(hwnd);
  window_registry::KeepTemporary(wrapper);
  return wrapper;
}
