// Opens a plug-in's options sheet and saves a picture of each of its pages,
// for the documentation:
//
//   sheet-shot <plugin.dll> <output-folder>
//
// writes page1.bmp, page2.bmp, ... and cancels the sheet, so nothing is saved.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "ScreenCapture.h"

namespace {

using SstpNotifyFunction = INT32(WINAPI*)(HWND, void*, INT32, INT32, INT32);

// "オプション" in Shift-JIS: the sheet's caption.
constexpr char kSheetCaption[] = "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93";
constexpr INT32 kConfigurationCall = 0;
constexpr auto kSheetDeadline = std::chrono::seconds(20);
constexpr auto kSettleTime = std::chrono::milliseconds(700);

HWND WaitForSheet() {
  const auto deadline = std::chrono::steady_clock::now() + kSheetDeadline;
  while (std::chrono::steady_clock::now() < deadline) {
    HWND sheet = FindWindowA(nullptr, kSheetCaption);
    if (sheet != nullptr && PropSheet_GetCurrentPageHwnd(sheet) != nullptr) return sheet;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return nullptr;
}

// Runs beside the configuration call: one picture per tab, then Cancel.
int CapturePages(const std::string& folder) {
  HWND sheet = WaitForSheet();
  if (sheet == nullptr) {
    std::fprintf(stderr, "the options sheet did not appear\n");
    return 0;
  }
  HWND tabs = PropSheet_GetTabControl(sheet);
  const int pageCount = tabs != nullptr ? TabCtrl_GetItemCount(tabs) : 1;
  int saved = 0;
  for (int page = 0; page < pageCount; ++page) {
    SendMessageA(sheet, PSM_SETCURSEL, page, 0);
    std::this_thread::sleep_for(kSettleTime);
    const std::string file = folder + "\\page" + std::to_string(page + 1) + ".bmp";
    if (CaptureWindowToBitmap(sheet, file)) {
      std::printf("saved %s\n", file.c_str());
      ++saved;
    }
  }
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: sheet-shot <plugin.dll> <output-folder>\n");
    return 2;
  }
  HMODULE plugin = LoadLibraryA(argv[1]);
  if (plugin == nullptr) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 1;
  }
  auto sstpNotify = reinterpret_cast<SstpNotifyFunction>(GetProcAddress(plugin, "SSTPNotify"));
  int saved = 0;
  if (sstpNotify != nullptr) {
    std::thread capture([&] { saved = CapturePages(argv[2]); });
    sstpNotify(nullptr, nullptr, 0, kConfigurationCall, 0);
    capture.join();
  }
  std::fflush(stdout);
  FreeLibrary(plugin);
  return saved > 0 ? 0 : 1;
}
