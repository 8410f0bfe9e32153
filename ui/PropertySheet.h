// A property sheet over an ordered list of pages that its owner keeps alive.
// The sheet window is bound to this object through the sheet callback; its
// own OK and Cancel buttons are left to the platform's sheet procedure.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/PropertyPage.h"

// The platform's macro would rename the class.
#undef PropertySheet

// What ShowSheet gives when the sheet cannot be shown: PropertySheetA's own
// failure value.
constexpr INT_PTR kSheetNotShown = -1;

// What RunModal gives for a platform result: 1 for a value above 0, else 2.
INT_PTR ModalSheetResult(INT_PTR platformResult);

class PropertySheet : public Dialog {
 public:
  PropertySheet(const char* caption, HWND parent, int startPage);
  ~PropertySheet() override = default;

  // Show the sheet with its pages. A sheet without pages, or whose page
  // records cannot be made, is not shown: RunModal then gives 2 (as when
  // cancelled) and CreateModeless 0. `initParam` is not used.
  int CreateModeless(LPARAM initParam) override;
  INT_PTR RunModal(LPARAM initParam) override;
  // Closes the sheet as Cancel would (modal) or destroys it (modeless).
  int End(INT_PTR result) override;
  void OnOK() override {}
  void OnCancel() override {}

  // Appends a page; on a live sheet the page is added to the window too.
  // False when the page could not be made or the sheet refused it.
  bool AddPage(PropertyPage* page);

  PROPSHEETHEADERA sheetHeader;
  std::vector<PropertyPage*> pages;
  std::string caption;

 private:
  // Runs PropertySheetA with a fresh page-record array.
  INT_PTR ShowSheet();
};
