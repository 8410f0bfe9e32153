// The "VeloSpinEdit" window class: a child control for entering a whole
// number within a range, made of an edit field with an up-down arrow pair at
// its right end. It keeps its range and value behind the window's extra
// bytes, answers invalid typing with a beep and a corrected text, and sends
// its parent a WM_COMMAND (code 0, its own identifier) for every change.
#pragma once

#include <windows.h>

constexpr char kSpinEditClassName[] = "VeloSpinEdit";

// Messages an owner sends; wParam and lParam are signed 32-bit numbers.
constexpr UINT SPEM_SETRANGE = WM_USER + 1;  // wParam minimum, lParam maximum
constexpr UINT SPEM_SETVALUE = WM_USER + 2;  // wParam value
constexpr UINT SPEM_GETVALUE = WM_USER + 3;  // returns the value

constexpr int kSpinEditEditId = 101;
constexpr int kSpinEditUpDownId = 102;

// One per control window, zero-filled from the process heap at creation.
struct SpinEditState {
  int maximum;
  int minimum;
  int value;  // what the field shows when it has to be put right
  HWND edit;
  HWND upDown;
};

// Registers the class under `instance`; 1 whether or not that succeeded.
int RegisterSpinEditClass(HINSTANCE instance);

LRESULT CALLBACK SpinEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sends `parent` a WM_COMMAND for its child `id` with notification `code`.
void NotifyParentCommand(HWND parent, int id, int code);

// Every beep of the control goes through here; MessageBeep(0) by default.
extern void (*spinEditBeep)();
