// The framework's wrapper of a spin-edit control: lets a window create the
// control as a child and see its messages through the dispatcher. The
// control's own window class is registered separately.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Window.h"

// The platform's macro would rename the operation.
#undef GetClassName

class SpinEdit : public Window {
 public:
  static constexpr const char* kClassName = "VeloSpinEdit";

  SpinEdit() = default;
  ~SpinEdit() override = default;

  // A spin-edit is made only as a child control.
  int CreateWindowObject(LPCSTR, LPCSTR, DWORD, DWORD, int, int, int, int,
                         HWND, HMENU, void*) override {
    return 0;
  }

  // Creates the control, takes its handle and subclasses it. Returns 0 when
  // no window was made.
  virtual int CreateControl(HWND parent, int id, LPCSTR text, DWORD style,
                            DWORD exStyle, int x, int y, int cx, int cy);
  virtual std::string GetClassName() { return kClassName; }
};
