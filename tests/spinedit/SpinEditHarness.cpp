#include "SpinEditHarness.h"

#include <commctrl.h>

namespace {

constexpr char kParentClassName[] = "SpinEditTestParent";
constexpr int kOtherFieldId = 2000;

int beepCount = 0;
std::vector<RecordedCommand> recordedCommands;

void CountBeep() { ++beepCount; }

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      recordedCommands.push_back({wParam, lParam});
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

void SpinEditFixture::SetUpTestSuite() {
  InitCommonControls();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterSpinEditClass(instance);
  WNDCLASSA parentClass{};
  parentClass.lpfnWndProc = ParentProc;
  parentClass.hInstance = instance;
  parentClass.lpszClassName = kParentClassName;
  RegisterClassA(&parentClass);
}

HFONT SpinEditFixture::ParentFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void SpinEditFixture::SetUp() {
  savedBeep_ = spinEditBeep;
  spinEditBeep = CountBeep;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  parent_.reset(CreateWindowExA(0, kParentClassName, "spin-edit", WS_OVERLAPPEDWINDOW, 0,
                                0, 320, 200, nullptr, nullptr, instance, nullptr));
  ASSERT_NE(nullptr, parent());
  spin_ = CreateWindowExA(0, kSpinEditClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10,
                          kControlWidth, kControlHeight, parent(),
                          reinterpret_cast<HMENU>(kControlId), instance, nullptr);
  ASSERT_NE(nullptr, spin_);
  other_ = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 50, 100, 24,
                           parent(), reinterpret_cast<HMENU>(kOtherFieldId), instance, nullptr);
  ASSERT_NE(nullptr, other_);
  SetForegroundWindow(parent());
  PumpMessages();
  ResetCounts();
}

void SpinEditFixture::TearDown() {
  parent_.reset();
  PumpMessages();
  spinEditBeep = savedBeep_;
}

std::string SpinEditFixture::Text() const {
  char text[100] = {};
  GetWindowTextA(edit(), text, sizeof(text));
  return text;
}

void SpinEditFixture::TypeKeys(const char* keys) const {
  for (const char* key = keys; *key != '\0'; ++key) {
    SendMessageA(edit(), WM_CHAR, static_cast<unsigned char>(*key), 1);
  }
}

// The up-down handles the arrow keys of its buddy field.
void SpinEditFixture::PressArrow(WPARAM key) const {
  SendMessageA(edit(), WM_KEYDOWN, key, 1);
  SendMessageA(edit(), WM_KEYUP, key, 0xC0000001);
}

int SpinEditFixture::UpDownPosition() const {
  return static_cast<int>(SendMessageA(upDown(), UDM_GETPOS32, 0, 0));
}

void SpinEditFixture::ResetCounts() {
  beepCount = 0;
  recordedCommands.clear();
}

int SpinEditFixture::beeps() const { return beepCount; }

const std::vector<RecordedCommand>& SpinEditFixture::commands() const { return recordedCommands; }
