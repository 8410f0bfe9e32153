#include "SheetDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

const char kOptionsCaption[] = "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93";

namespace {

constexpr auto kSheetDeadline = std::chrono::seconds(15);
constexpr auto kPoll = std::chrono::milliseconds(20);

template <typename Condition>
bool WaitFor(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kSheetDeadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

HWND WaitForSheet() {
  HWND sheet = nullptr;
  const bool shown = WaitFor([&] {
    sheet = FindWindowA(nullptr, kOptionsCaption);
    return sheet != nullptr && PropSheet_GetCurrentPageHwnd(sheet) != nullptr;
  });
  return shown ? sheet : nullptr;
}

struct OwnedDialogSearch {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CheckOwnedDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<OwnedDialogSearch*>(data);
  char className[16] = {};
  GetClassNameA(window, className, sizeof(className));
  if (GetWindow(window, GW_OWNER) == search->owner && std::string(className) == "#32770" &&
      IsWindowVisible(window)) {
    search->found.push_back(window);
  }
  return TRUE;
}

// The message boxes that `owner` shows: the visible dialog windows it owns.
std::vector<HWND> OwnedDialogs(HWND owner) {
  OwnedDialogSearch search = {owner, {}};
  EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), CheckOwnedDialog,
                    reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The texts of the box's static controls (the icon's is empty), joined.
std::string StaticTexts(HWND box) {
  std::string texts;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") != 0) continue;
    char text[2048] = {};
    GetWindowTextA(child, text, sizeof(text));
    texts += text;
  }
  return texts;
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

std::string SheetDriver::ClickAndReadMessageBox(int id) {
  // Posted: the handler runs the box's modal loop before it returns.
  PostMessageA(GetDlgItem(CurrentPage(), id), BM_CLICK, 0, 0);
  const std::vector<std::string> texts = CloseMessageBoxes();
  return texts.empty() ? std::string() : texts.front();
}

std::vector<std::string> SheetDriver::CloseMessageBoxes() {
  std::vector<HWND> seen;
  std::vector<std::string> texts;
  const bool allGone = WaitFor([&] {
    for (HWND box : OwnedDialogs(sheet_)) {
      if (std::find(seen.begin(), seen.end(), box) != seen.end()) continue;
      seen.push_back(box);
      texts.push_back(StaticTexts(box));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return !seen.empty() && std::none_of(seen.begin(), seen.end(), IsWindow);
  });
  if (!allGone) Fail();
  return texts;
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
