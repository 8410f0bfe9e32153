// A dialog box built from a template in the module's resources, run modally
// or modelessly. The dialog window is bound to its object on its first
// message and from then on runs through the framework's dispatcher; the
// property sheet and its pages derive from this class.
#pragma once

#include <windows.h>

#include "framework/Window.h"

class Dialog : public Window {
 public:
  Dialog();
  // Finds the template; a missing one leaves the dialog unable to run.
  Dialog(HWND parent, int templateId);
  // Withdraws a registration that never got a window.
  ~Dialog() override;

  int Create(LPCSTR, LPCSTR, DWORD, DWORD, int, int, int, int, HWND, HMENU,
             void*) override {
    return 0;
  }
  int CreateWindowObject(LPCSTR, LPCSTR, DWORD, DWORD, int, int, int, int,
                         HWND, HMENU, void*) override {
    return 0;
  }
  LRESULT DefaultProc() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(UINT id, UINT notifyCode) override;

  virtual LRESULT DefDialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual int CreateModeless(LPARAM initParam);
  virtual INT_PTR RunModal(LPARAM initParam);
  virtual int End(INT_PTR result);
  virtual int OnInitDialog() { return 1; }
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }

  // The object of a child control (a temporary one when it has none); null
  // when there is no such child.
  Window* GetControl(int id);

  const void* templateData = nullptr;
  HWND parentWindow = nullptr;
  int isModal = 0;
  int hasTemplate = 0;
};
