#include "framework/WindowRegistry.h"

#include <iterator>

#include "framework/Object.h"

namespace window_registry {
namespace {

struct Registry {
  WindowMap windows;
  PendingMap pending;
  std::vector<Object*> temporaries;
  int ticket = 0;
  int procedureDepth = 0;

  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;
  ~Registry() {
    for (Object* wrapper : temporaries) delete wrapper;
  }
};

Registry& registry() {
  static Registry instance;
  return instance;
}

std::uintptr_t KeyOf(HWND hwnd) {
  return reinterpret_cast<std::uintptr_t>(hwnd);
}

}  // namespace

WindowMap& windowMap() { return registry().windows; }
PendingMap& pendingWindows() { return registry().pending; }
std::vector<Object*>& temporaryObjects() { return registry().temporaries; }

int creationTicket() { return registry().ticket; }

void AdvanceCreationTicket() {
  int& ticket = registry().ticket;
  ++ticket;
  if (ticket >= kTicketLimit) ticket = 0;
}

void SetCreationTicket(int ticket) { registry().ticket = ticket; }

void AddPending(Window* object) {
  registry().pending[registry().ticket] = object;
}

void WithdrawPending(Window* object) {
  PendingMap& pending = registry().pending;
  for (auto entry = pending.begin(); entry != pending.end();) {
    entry = entry->second == object ? pending.erase(entry) : std::next(entry);
  }
}

Window* Find(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  const WindowMap& windows = registry().windows;
  const auto found = windows.find(KeyOf(hwnd));
  return found == windows.end() ? nullptr : found->second;
}

void Register(HWND hwnd, Window* object) {
  registry().windows[KeyOf(hwnd)] = object;
}

void Unregister(HWND hwnd) { registry().windows.erase(KeyOf(hwnd)); }

void KeepTemporary(Object* wrapper) { registry().temporaries.push_back(wrapper); }

ProcedureCall::ProcedureCall()
    : firstTemporary_(registry().temporaries.size()) {
  ++registry().procedureDepth;
}

ProcedureCall::~ProcedureCall() {
  Registry& state = registry();
  if (--state.procedureDepth != 0) return;
  // Wrappers made before this call (outside any window procedure) are kept:
  // their makers may still hold them.
  std::vector<Object*>& temporaries = state.temporaries;
  for (std::size_t i = firstTemporary_; i < temporaries.size(); ++i) {
    delete temporaries[i];
  }
  if (firstTemporary_ < temporaries.size()) {
    temporaries.resize(firstTemporary_);
  }
}

}  // namespace window_registry
