#include "ui/Dialog.h"

#include "support/ModuleHandles.h"
#include "support/Resources.h"
#include "ui/DialogRegistry.h"

namespace {

const LPCSTR kDialogResourceType = MAKEINTRESOURCEA(5);  // RT_DIALOG

}  // namespace

Dialog::Dialog() { dialog_registry::NoteDialog(this); }

Dialog::Dialog(HWND parent, int templateId) {
  dialog_registry::NoteDialog(this);
  const void* data = LoadResourceData(
      resourceInstance(), MAKEINTRESOURCEA(LOWORD(templateId)),
      kDialogResourceType);
  if (data == nullptr) return;
  templateData = data;
  parentWindow = parent;
  hasTemplate = 1;
}

Dialog::~Dialog() {
  dialog_registry::WithdrawPendingDialog(this);
  dialog_registry::ForgetDialog(this);
}

LRESULT Dialog::DefaultProc() {
  if (prevWndProc != nullptr) {
    return CallWindowProcA(prevWndProc, hwnd, message, wParam, lParam);
  }
  return DefDialogProc(message, wParam, lParam);
}

LRESULT Dialog::WindowProc(UINT msg, WPARAM first, LPARAM second) {
  if (msg == WM_INITDIALOG) return OnInitDialog();
  return Window::WindowProc(msg, first, second);
}

void Dialog::OnCommand(UINT id, UINT notifyCode) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
  Window::OnCommand(id, notifyCode);
}

LRESULT Dialog::DefDialogProc(UINT msg, WPARAM first, LPARAM second) {
  return DefDlgProcA(hwnd, msg, first, second);
}

int Dialog::CreateModeless(LPARAM initParam) {
  if (!hasTemplate) return 0;
  PendingDialogRegistration registration(this);
  isModal = 0;
  const HWND created = CreateDialogIndirectParamA(
      resourceInstance(), static_cast<LPCDLGTEMPLATEA>(templateData),
      parentWindow, InitialDialogProc, initParam);
  return created != nullptr ? 1 : 0;
}

INT_PTR Dialog::RunModal(LPARAM initParam) {
  if (!hasTemplate) return 0;
  PendingDialogRegistration registration(this);
  isModal = 1;
  return DialogBoxIndirectParamA(
      resourceInstance(), static_cast<LPCDLGTEMPLATEA>(templateData),
      parentWindow, InitialDialogProc, initParam);
}

int Dialog::End(INT_PTR result) {
  if (isModal) return EndDialog(hwnd, result) ? 1 : 0;
  return Destroy();
}

Window* Dialog::GetControl(int id) {
  return Window::FromHandle(GetDlgItem(hwnd, id));
}
