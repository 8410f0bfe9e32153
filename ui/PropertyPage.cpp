#include "ui/PropertyPage.h"

#include <cstring>

#include "framework/ResourceString.h"
#include "support/ModuleHandles.h"
#include "ui/DialogRegistry.h"

namespace {

// The platform makes the page window right after this call: the page is
// registered so that the window's first message binds it.
UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEA page) {
  if (message == PSPCB_CREATE && page != nullptr) {
    RegisterPendingDialog(reinterpret_cast<PropertyPage*>(page->lParam));
  }
  return 1;
}

}  // namespace

PropertyPage::PropertyPage(int templateId, int titleId) {
  std::memset(&pageRecord, 0, sizeof pageRecord);
  pageRecord.dwSize = kPageRecordSize;
  pageRecord.dwFlags = PSP_USECALLBACK;
  pageRecord.hInstance = windowInstance();
  pageRecord.pszTemplate = MAKEINTRESOURCEA(templateId);
  pageRecord.pfnDlgProc = InitialDialogProc;
  pageRecord.lParam = reinterpret_cast<LPARAM>(this);
  pageRecord.pfnCallback = PageCallback;
  if (titleId != 0) {
    LoadResourceString(title, titleId);
    pageRecord.dwFlags |= PSP_USETITLE;
  }
  PageRecord();
}

const PROPSHEETPAGEA& PropertyPage::PageRecord() {
  pageRecord.pszTitle =
      (pageRecord.dwFlags & PSP_USETITLE) != 0 ? title.c_str() : nullptr;
  return pageRecord;
}

int PropertyPage::End(INT_PTR result) {
  Dialog* sheet = dialog_registry::AsDialog(GetParentWindow());
  return sheet != nullptr ? sheet->End(result) : 0;
}

int PropertyPage::OnNotify(int, NMHDR* notifyHeader, LRESULT* resultOut) {
  if (notifyHeader == nullptr) return 0;
  LRESULT& result = *resultOut;
  switch (notifyHeader->code) {
    case PSN_SETACTIVE:
      result = OnSetActive() != 0 ? 1 : 0;
      return 1;
    case PSN_KILLACTIVE:
      result = OnKillActive() != 0 ? 1 : 0;
      return 1;
    case PSN_APPLY:
      result = OnApply() != 0 ? PSNRET_NOERROR : PSNRET_INVALID;
      return 1;
    case PSN_RESET:
      OnReset();
      return 1;
    case PSN_WIZBACK:
      result = OnWizardBack();
      return 1;
    case PSN_WIZNEXT:
      result = OnWizardNext();
      return 1;
    case PSN_WIZFINISH:
      result = OnWizardFinish() != 0 ? 0 : 1;
      return 1;
    case PSN_QUERYCANCEL:
      result = OnQueryCancel() != 0 ? 0 : 1;
      return 1;
    default:
      return 0;
  }
}
