#include "SheetDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <chrono>

const char kOptionsCaption[] = "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93";

namespace {

constexpr auto kSheetDeadline = std::chrono::seconds(15);
constexpr auto kPoll = std::chrono::milliseconds(20);

HWND WaitForSheet() {
  const auto deadline = std::chrono::steady_clock::now() + kSheetDeadline;
  while (std::chrono::steady_clock::now() < deadline) {
    HWND sheet = FindWindowA(nullptr, kOptionsCaption);
    if (sheet != nullptr && PropSheet_GetCurrentPageHwnd(sheet) != nullptr) return sheet;
    std::this_thread::sleep_for(kPoll);
  }
  return nullptr;
}

}  // namespace

SheetDriver::SheetDriver(Script script) : thread_([this, script] { Run(script); }) {}

SheetDriver::~SheetDriver() {
  if (thread_.joinable()) thread_.join();
}

bool SheetDriver::Finish() {
  if (thread_.joinable()) thread_.join();
  return ok_;
}

void SheetDriver::Run(Script script) {
  sheet_ = WaitForSheet();
  if (sheet_ == nullptr) {
    ok_ = false;
    return;
  }
  script(*this);
  if (!closed_) {
    ok_ = false;
    PressCancel();
  }
}

HWND SheetDriver::CurrentPage() const { return PropSheet_GetCurrentPageHwnd(sheet_); }

HWND SheetDriver::ShowPage(int index) {
  SendMessageA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return CurrentPage();
}

bool SheetDriver::IsChecked(int id) const {
  return SendDlgItemMessageA(CurrentPage(), id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SheetDriver::Click(int id) { SendDlgItemMessageA(CurrentPage(), id, BM_CLICK, 0, 0); }

void SheetDriver::SetText(int id, const std::string& text) {
  SendDlgItemMessageA(CurrentPage(), id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string SheetDriver::Text(int id) const {
  HWND control = GetDlgItem(CurrentPage(), id);
  const int length = GetWindowTextLengthA(control);
  std::string text(length + 1, '\0');
  GetWindowTextA(control, &text[0], length + 1);
  text.resize(length);
  return text;
}

// Posted, as a click would be: a message sent from another thread is handled
// inside the sheet's message wait, which then does not notice that it ended.
void SheetDriver::PressOk() {
  PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
  closed_ = true;
}

void SheetDriver::PressCancel() {
  PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  closed_ = true;
}
