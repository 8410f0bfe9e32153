// A live spin-edit for tests: a parent window that records the WM_COMMAND
// messages it receives and hands out a known font, a spin-edit control as its
// child, a second edit to take the focus, and a beep counter in place of the
// real beep. The parent stays hidden: showing and destroying a top-level
// window costs Wine about two seconds on a display without a window manager.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/SpinEditControl.h"

struct RecordedCommand {
  WPARAM wParam;
  LPARAM lParam;
};

// Destroys a window the test created, unless it is already gone.
class ScopedWindow {
 public:
  explicit ScopedWindow(HWND window = nullptr) : window_(window) {}
  ~ScopedWindow() { reset(); }
  ScopedWindow(const ScopedWindow&) = delete;
  ScopedWindow& operator=(const ScopedWindow&) = delete;

  HWND get() const { return window_; }
  void reset(HWND window = nullptr) {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    window_ = window;
  }

 private:
  HWND window_;
};

class SpinEditFixture : public testing::Test {
 protected:
  static constexpr int kControlId = 1234;
  static constexpr int kControlWidth = 120;
  static constexpr int kControlHeight = 24;

  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  HWND parent() const { return parent_.get(); }
  HWND spin() const { return spin_; }
  HWND edit() const { return GetDlgItem(spin_, kSpinEditEditId); }
  HWND upDown() const { return GetDlgItem(spin_, kSpinEditUpDownId); }
  HWND otherField() const { return other_; }
  static HFONT ParentFont();

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(spin_, message, wParam, lParam);
  }
  LRESULT SetRange(int minimum, int maximum) const { return Send(SPEM_SETRANGE, minimum, maximum); }
  LRESULT SetValue(int value) const { return Send(SPEM_SETVALUE, value); }
  int Value() const { return static_cast<int>(Send(SPEM_GETVALUE)); }
  std::string Text() const;
  // Replaces the field's whole text, as a paste would.
  void Type(const char* text) const { SetWindowTextA(edit(), text); }
  // Types one keystroke after another at the caret.
  void TypeKeys(const char* keys) const;
  void PressArrow(WPARAM key) const;
  DWORD Selection() const { return static_cast<DWORD>(SendMessageA(edit(), EM_GETSEL, 0, 0)); }
  int UpDownPosition() const;

  // Forgets the beeps and commands so far.
  void ResetCounts();
  int beeps() const;
  const std::vector<RecordedCommand>& commands() const;

 private:
  ScopedWindow parent_;
  HWND spin_ = nullptr;
  HWND other_ = nullptr;
  void (*savedBeep_)() = nullptr;
};

// The selection [start, end) as EM_GETSEL packs it.
constexpr DWORD SelectionOf(int start, int end) { return MAKELONG(start, end); }
