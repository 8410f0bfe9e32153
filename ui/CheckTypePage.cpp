#include "ui/CheckTypePage.h"

#include "plugin/ProductInfo.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"
#include "ui/ModifyExStyle.h"

namespace {

// The boxes stand on screen in bit order; their identifiers do not.
struct CheckBoxBit {
  int id;
  int bit;
};

constexpr CheckBoxBit kCheckBoxes[] = {
    {IDC_CHECK_ITEM, 0x1},
    {IDC_CHECK_ALL_ITEMS, 0x2},
    {IDC_CHECK_HIERARCHY, 0x4},
    {IDC_CHECK_ERROR_ITEMS, 0x8},
};

}  // namespace

CheckTypePage::CheckTypePage() : PropertyPage(IDD_CHECK_TYPE_PAGE, 0) {}

int CheckTypePage::OnInitDialog() {
  for (const CheckBoxBit& box : kCheckBoxes) {
    if (settings.checkType & box.bit) CheckDlgButton(hwnd, box.id, BST_CHECKED);
  }
  CheckDlgButton(hwnd, IDC_AUTO_CHECK_ONLY, settings.autoCheck ? BST_CHECKED : BST_UNCHECKED);

  Window* sheet = GetParentWindow();
  if (sheet != nullptr) ModifyExStyle(sheet->hwnd, WS_EX_CONTEXTHELP, 0, 0);

  SetDlgItemTextA(hwnd, IDC_PRODUCT_TITLE, kProductName);
  SetDlgItemTextA(hwnd, IDC_RIGHTS_NOTICE, kRightsNotice);

  if (sheet != nullptr) sheet->CenterOnParent();
  return TRUE;
}

void CheckTypePage::OnOK() {
  int checkType = 0;
  for (const CheckBoxBit& box : kCheckBoxes) {
    if (IsDlgButtonChecked(hwnd, box.id) == BST_CHECKED) checkType |= box.bit;
  }
  settings.checkType = checkType;
  settings.autoCheck = IsDlgButtonChecked(hwnd, IDC_AUTO_CHECK_ONLY) == BST_CHECKED ? 1 : 0;
}
