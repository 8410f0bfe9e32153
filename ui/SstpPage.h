// The options page "SSTP設定": the mascot's server and port, the characters
// to name, the script texts sent before and after the item lines, and a
// button that sends a test notice and says what became of it. The no-update
// text rides along in a hidden field so that it is saved unchanged.
#pragma once

#include "ui/PropertyPage.h"

class SstpPage : public PropertyPage {
 public:
  SstpPage();

  int OnInitDialog() override;
  void OnOK() override;
  void OnCommand(UINT id, UINT notifyCode) override;

 private:
  // Sends the no-update text to the server and port as the fields hold them
  // now, waits for the outcome and shows it; saves nothing.
  void SendTestNotice();
};
