#include "ui/SstpPage.h"

#include <string>

#include "resources/ResourceIds.h"
#include "settings/Settings.h"

namespace {

// Texts are taken up to this many bytes, the terminating zero included.
constexpr int kTextBufferSize = 2000;

struct TextField {
  int id;
  std::string Settings::*text;
};

constexpr TextField kTextFields[] = {
    {IDC_SERVER, &Settings::server},
    {IDC_HEADER, &Settings::header},
    {IDC_FOOTER, &Settings::footer},
    {IDC_NO_UPDATE, &Settings::noUpdate},
};

}  // namespace

SstpPage::SstpPage() : PropertyPage(IDD_SSTP_PAGE, 0) {}

int SstpPage::OnInitDialog() {
  SetDlgItemInt(hwnd, IDC_PORT, static_cast<UINT>(settings.sstpPort), TRUE);
  for (const TextField& field : kTextFields) {
    if (Window* control = GetControl(field.id)) control->SetText((settings.*field.text).c_str());
  }
  return TRUE;
}

void SstpPage::OnOK() {
  for (const TextField& field : kTextFields) {
    char text[kTextBufferSize] = {};
    GetDlgItemTextA(hwnd, field.id, text, kTextBufferSize);
    settings.*field.text = text;
  }
  settings.sstpPort = static_cast<int>(GetDlgItemInt(hwnd, IDC_PORT, nullptr, TRUE));
}
