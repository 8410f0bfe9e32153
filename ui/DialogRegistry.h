// Binds each new dialog window (plain dialog, property sheet or page) to the
// object that asked for it: the object registers under the current dialog
// ticket just before the platform makes the window, and the first message the
// window's dialog procedure sees takes it from there.
#pragma once

#include <windows.h>

#include "support/SmallMap.h"

class Dialog;
class Window;

namespace dialog_registry {

// A ticket that reaches kTicketLimit starts again at 0.
constexpr int kTicketLimit = 0xFFFF;

using PendingDialogs = SmallMap<int, Dialog*>;

PendingDialogs& pendingDialogs();
int dialogTicket();
// Test seam: puts the ticket at a chosen value.
void SetDialogTicket(int ticket);

// Removes every entry that still names `dialog`.
void WithdrawPendingDialog(Dialog* dialog);

// Every dialog object that exists, so that a window object can be known as
// one without run-time type information.
void NoteDialog(Dialog* dialog);
void ForgetDialog(Dialog* dialog);
// `window` as the dialog it is, or null when it is none.
Dialog* AsDialog(Window* window);

}  // namespace dialog_registry

void RegisterPendingDialog(Dialog* dialog);

// Registers a dialog for the window about to be made and withdraws whatever
// is still pending when the platform call has returned (or raised), so that
// no later window binds to an object whose own window never appeared.
class PendingDialogRegistration {
 public:
  explicit PendingDialogRegistration(Dialog* dialog) : dialog_(dialog) {
    RegisterPendingDialog(dialog);
  }
  ~PendingDialogRegistration() { dialog_registry::WithdrawPendingDialog(dialog_); }
  PendingDialogRegistration(const PendingDialogRegistration&) = delete;
  PendingDialogRegistration& operator=(const PendingDialogRegistration&) = delete;

 private:
  Dialog* dialog_;
};

// The dialog procedure of every framework dialog; always FALSE, so the
// platform's default dialog handling applies.
INT_PTR CALLBACK InitialDialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                   LPARAM lParam);
