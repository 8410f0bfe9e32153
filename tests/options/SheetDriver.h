// Drives the options sheet of the real DLL as a user would, from a second
// thread, while the test's main thread is inside the configuration call.
// Every wait has a deadline; when a step fails the sheet is cancelled so the
// configuration call always returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

class SheetDriver {
 public:
  using Script = std::function<void(SheetDriver&)>;

  // Starts waiting for the sheet and then runs `script` on it.
  explicit SheetDriver(Script script);
  ~SheetDriver();
  SheetDriver(const SheetDriver&) = delete;
  SheetDriver& operator=(const SheetDriver&) = delete;

  // Waits for the script to finish; false when the sheet never appeared or
  // the script gave up.
  bool Finish();

  HWND sheet() const { return sheet_; }
  // The page window shown now.
  HWND CurrentPage() const;
  // Shows page `index` and returns its window (created on first show).
  HWND ShowPage(int index);

  bool IsChecked(int id) const;
  void Click(int id);
  void SetText(int id, const std::string& text);
  std::string Text(int id) const;

  // Clicks a button whose handler shows a message box, reads the box's text
  // and closes it with OK; empty when no box showed before the deadline.
  std::string ClickAndReadMessageBox(int id);
  // Reads and closes with OK every message box the sheet shows, nested ones
  // too, until all that showed are gone; their texts, none when no box
  // showed before the deadline.
  std::vector<std::string> CloseMessageBoxes();

  void PressOk();
  void PressCancel();
  // Marks the script as failed; the sheet is cancelled when it ends.
  void Fail() { ok_ = false; }

 private:
  void Run(Script script);

  std::thread thread_;
  HWND sheet_ = nullptr;
  bool ok_ = true;
  bool closed_ = false;
};

// "オプション" in Shift-JIS: the sheet's caption.
extern const char kOptionsCaption[];
