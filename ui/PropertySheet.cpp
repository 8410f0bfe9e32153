#include "ui/PropertySheet.h"

#include <cstddef>
#include <cstring>

#include "support/Heap.h"
#include "support/ModuleHandles.h"
#include "ui/DialogRegistry.h"

namespace {

constexpr DWORD kSheetHeaderSize = 40;
static_assert(offsetof(PROPSHEETHEADERA, pfnCallback) + sizeof(void*) ==
                  kSheetHeaderSize,
              "version-1 sheet header");

// Binds the sheet window to the object that RunModal or CreateModeless
// registered.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) InitialDialogProc(sheet, 0, 0, 0);
  return 0;
}

}  // namespace

INT_PTR ModalSheetResult(INT_PTR platformResult) {
  return platformResult > 0 ? IDOK : IDCANCEL;
}

PropertySheet::PropertySheet(const char* text, HWND parent, int startPage)
    : caption(text != nullptr ? text : "") {
  std::memset(&sheetHeader, 0, sizeof sheetHeader);
  sheetHeader.dwSize = kSheetHeaderSize;
  sheetHeader.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
  sheetHeader.hwndParent = parent;
  sheetHeader.hInstance = windowInstance();
  sheetHeader.pszCaption = caption.c_str();
  sheetHeader.nStartPage = startPage;
  sheetHeader.pfnCallback = SheetCallback;
}

INT_PTR PropertySheet::ShowSheet() {
  const std::size_t count = pages.size();
  if (count == 0) return kSheetNotShown;

  HeapBlock records(HeapAllocateZeroed(kPageRecordSize, count));
  if (!records) return kSheetNotShown;

  auto* bytes = static_cast<unsigned char*>(records.get());
  for (std::size_t i = 0; i < count; ++i) {
    // The page templates live in the module that holds the resources.
    pages[i]->pageRecord.hInstance = resourceInstance();
    std::memcpy(bytes + i * kPageRecordSize, &pages[i]->PageRecord(),
                kPageRecordSize);
  }
  sheetHeader.pszCaption = caption.c_str();
  sheetHeader.nPages = static_cast<UINT>(count);
  sheetHeader.ppsp = static_cast<LPCPROPSHEETPAGEA>(records.get());
  const INT_PTR result = PropertySheetA(&sheetHeader);
  sheetHeader.ppsp = nullptr;
  return result;
}

INT_PTR PropertySheet::RunModal(LPARAM) {
  isModal = 1;
  sheetHeader.dwFlags &= ~PSH_MODELESS;
  sheetHeader.hInstance = resourceInstance();
  PendingDialogRegistration registration(this);
  return ModalSheetResult(ShowSheet());
}

int PropertySheet::CreateModeless(LPARAM) {
  isModal = 0;
  sheetHeader.dwFlags |= PSH_MODELESS;
  PendingDialogRegistration registration(this);
  sheetHeader.hInstance = resourceInstance();
  const INT_PTR shown = ShowSheet();
  return shown != 0 && shown != kSheetNotShown ? 1 : 0;
}

int PropertySheet::End(INT_PTR) {
  if (isModal) {
    PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  } else {
    Destroy();
  }
  return 1;
}

bool PropertySheet::AddPage(PropertyPage* page) {
  if (hwnd == nullptr || !IsWindow(hwnd)) {
    pages.push_back(page);
    return true;
  }
  page->pageRecord.hInstance = resourceInstance();
  PROPSHEETPAGEA record = page->PageRecord();
  const HPROPSHEETPAGE made = CreatePropertySheetPageA(&record);
  if (made == nullptr) return false;
  if (SendMessageA(hwnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(made)) ==
      0) {
    DestroyPropertySheetPage(made);
    return false;
  }
  pages.push_back(page);
  return true;
}
