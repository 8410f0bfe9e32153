#include "ui/DialogRegistry.h"

#include <iterator>

#include "ui/Dialog.h"

namespace dialog_registry {
namespace {

struct Registry {
  PendingDialogs pending;
  SmallMap<const Window*, Dialog*> live;
  int ticket = 0;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

PendingDialogs& pendingDialogs() { return registry().pending; }
int dialogTicket() { return registry().ticket; }
void SetDialogTicket(int ticket) { registry().ticket = ticket; }

void NoteDialog(Dialog* dialog) { registry().live[dialog] = dialog; }
void ForgetDialog(Dialog* dialog) { registry().live.erase(dialog); }

Dialog* AsDialog(Window* window) {
  const auto& live = registry().live;
  const auto entry = live.find(window);
  return entry != live.end() ? entry->second : nullptr;
}

void WithdrawPendingDialog(Dialog* dialog) {
  PendingDialogs& pending = registry().pending;
  for (auto entry = pending.begin(); entry != pending.end();) {
    entry = entry->second == dialog ? pending.erase(entry) : std::next(entry);
  }
}

}  // namespace dialog_registry

void RegisterPendingDialog(Dialog* dialog) {
  using dialog_registry::kTicketLimit;
  if (dialog_registry::dialogTicket() == kTicketLimit) {
    dialog_registry::SetDialogTicket(0);
  }
  dialog_registry::pendingDialogs()[dialog_registry::dialogTicket()] = dialog;
}

INT_PTR CALLBACK InitialDialogProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (Window::FindHandle(hwnd) != nullptr) return FALSE;
  // A window that has already left the map passes here once more on its last
  // message; it must not take a pending object with it.
  if (message == WM_NCDESTROY) return FALSE;

  dialog_registry::PendingDialogs& pending = dialog_registry::pendingDialogs();
  const auto waiting = pending.find(dialog_registry::dialogTicket());
  if (waiting == pending.end() || waiting->second->hwnd != nullptr) {
    return FALSE;
  }

  Dialog* dialog = waiting->second;
  pending.erase(waiting);
  dialog->hwnd = hwnd;
  dialog->Subclass();
  dialog_registry::SetDialogTicket(dialog_registry::dialogTicket() + 1);
  return FALSE;
}
