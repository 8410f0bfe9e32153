// The module-wide registries that bind window handles to window objects: the
// handle map, the objects waiting for their window's first message under a
// creation ticket, and the temporary wrappers made for handles that arrive
// with a message. Everything here runs on the one user-interface thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "support/SmallMap.h"

class Object;
class Window;

namespace window_registry {

// Tickets run from 0 to kTicketLimit - 1 and then start again at 0.
constexpr int kTicketLimit = 0xFFFFFF;

using WindowMap = SmallMap<std::uintptr_t, Window*>;
using PendingMap = SmallMap<int, Window*>;

WindowMap& windowMap();
PendingMap& pendingWindows();
// Wrappers made by the FromHandle operations, in creation order; owned here.
std::vector<Object*>& temporaryObjects();

int creationTicket();
// Moves the ticket on by one, wrapping at kTicketLimit.
void AdvanceCreationTicket();
// Test seam: puts the ticket at a chosen value.
void SetCreationTicket(int ticket);

// Makes `object` the one that the next new window's first message binds.
void AddPending(Window* object);
// Removes every pending entry that names `object`.
void WithdrawPending(Window* object);
// The registered object for a handle, or null.
Window* Find(HWND hwnd);
void Register(HWND hwnd, Window* object);
void Unregister(HWND hwnd);
// Takes ownership of a temporary wrapper.
void KeepTemporary(Object* wrapper);

// Marks one call of the shared window procedure. When the outermost call
// ends, the wrappers made during it are deleted: every handler that could
// hold one has returned by then.
class ProcedureCall {
 public:
  ProcedureCall();
  ~ProcedureCall();
  ProcedureCall(const ProcedureCall&) = delete;
  ProcedureCall& operator=(const ProcedureCall&) = delete;

 private:
  std::size_t firstTemporary_;
};

}  // namespace window_registry
