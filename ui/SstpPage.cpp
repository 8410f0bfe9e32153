#include "ui/SstpPage.h"

#include <string>

#include "framework/ResourceString.h"
#include "plugin/ProductInfo.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"
#include "sstp/SstpRequest.h"
#include "ui/TestNoticeMessage.h"

namespace {

// Texts are taken up to this many bytes, the terminating zero included.
constexpr int kTextBufferSize = 2000;
// What an empty server field means.
constexpr char kLocalServer[] = "127.0.0.1";

struct TextField {
  int id;
  std::string Settings::*text;
};

constexpr TextField kTextFields[] = {
    {IDC_SERVER, &Settings::server},     {IDC_HEADER, &Settings::header},
    {IDC_FOOTER, &Settings::footer},     {IDC_NO_UPDATE, &Settings::noUpdate},
    {IDC_IF_GHOST, &Settings::ifGhost},
};

std::string FieldText(HWND page, int id) {
  char text[kTextBufferSize] = {};
  GetDlgItemTextA(page, id, text, kTextBufferSize);
  return text;
}

// The port field as OK stores it: a signed number, 0 when it is none.
int PortField(HWND page) { return static_cast<int>(GetDlgItemInt(page, IDC_PORT, nullptr, TRUE)); }

// The wait cursor for as long as the test notice blocks the page.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

// Drops the keys and clicks that arrived while the thread was blocked: typed
// during the wait, they would press the button again or close the message box
// before it was read.
void DiscardPendingInput() {
  struct Range {
    UINT first;
    UINT last;
  };
  constexpr Range kInput[] = {{WM_KEYFIRST, WM_KEYLAST},
                              {WM_MOUSEFIRST, WM_MOUSELAST},
                              {WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK}};
  MSG message;
  for (const Range& range : kInput) {
    while (PeekMessageA(&message, nullptr, range.first, range.last, PM_REMOVE)) {
    }
  }
}

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
  for (const TextField& field : kTextFields) settings.*field.text = FieldText(hwnd, field.id);
  settings.sstpPort = PortField(hwnd);
}

void SstpPage::OnCommand(UINT id, UINT notifyCode) {
  if (id == IDC_TEST_NOTICE && notifyCode == BN_CLICKED) {
    SendTestNotice();
    return;
  }
  PropertyPage::OnCommand(id, notifyCode);
}

void SstpPage::SendTestNotice() {
  const std::string server = FieldText(hwnd, IDC_SERVER);
  const std::string ifGhost = FieldText(hwnd, IDC_IF_GHOST);
  const int port = PortField(hwnd);
  // Pressed again meanwhile, the button would nest a second exchange. A
  // disabled button loses the focus (or keeps a dead one), so the focus is put
  // back before the message box, which returns it there when it closes.
  HWND button = GetDlgItem(hwnd, IDC_TEST_NOTICE);
  HWND focus = GetFocus();
  EnableWindow(button, FALSE);
  SstpOutcome outcome;
  {
    const WaitCursor busy;
    outcome = SendSstp(server.c_str(), port, kProductName, settings.noUpdate.c_str(),
                       ifGhost.c_str(), kTestNotice);
  }
  DiscardPendingInput();
  EnableWindow(button, TRUE);
  SetFocus(focus != nullptr && IsWindow(focus) ? focus : button);
  const TestNoticeMessage message =
      DescribeTestNotice(outcome, server.empty() ? kLocalServer : server);
  std::string caption;
  LoadResourceString(caption, IDS_TEST_NOTICE_CAPTION);
  MessageBoxA(GetParent(hwnd), message.text.c_str(), caption.c_str(), MB_OK | message.icon);
}
