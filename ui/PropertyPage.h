// One page of a property sheet. The platform makes the page window from the
// template identifier when the page is first shown; the page callback then
// registers this object so that the window binds to it, and the sheet's
// notifications arrive as the On... operations below.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstddef>
#include <string>

#include "ui/Dialog.h"

// Size of the version-1 page record handed to the platform.
constexpr DWORD kPageRecordSize = 40;
static_assert(offsetof(PROPSHEETPAGEA, pcRefParent) + sizeof(UINT*) ==
                  kPageRecordSize,
              "version-1 page record");

class PropertyPage : public Dialog {
 public:
  // A non-zero `titleId` names the string resource of the tab title.
  PropertyPage(int templateId, int titleId);
  ~PropertyPage() override = default;

  int OnNotify(int controlId, NMHDR* notifyHeader,
               LRESULT* resultOut) override;
  // Asks the sheet to end; 0 when the page has no sheet object.
  int End(INT_PTR result) override;
  // A page never ends a dialog on IDOK or IDCANCEL.
  void OnOK() override {}
  void OnCancel() override {}

  virtual int OnApply() {
    OnOK();
    return 1;
  }
  virtual void OnReset() { OnCancel(); }
  virtual int OnSetActive() { return 1; }
  virtual int OnKillActive() { return 0; }
  virtual int OnQueryCancel() { return 1; }
  virtual int OnWizardBack() { return 0; }
  virtual int OnWizardNext() { return 0; }
  virtual int OnWizardFinish() { return 1; }

  // The platform's record for this page, with the title pointer refreshed.
  const PROPSHEETPAGEA& PageRecord();

  PROPSHEETPAGEA pageRecord;
  std::string title;
};
