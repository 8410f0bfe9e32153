// The options page "SSTP設定": the mascot's server and port and the script
// texts sent before and after the item lines. The no-update text rides along
// in a hidden field so that it is saved unchanged.
#pragma once

#include "ui/PropertyPage.h"

class SstpPage : public PropertyPage {
 public:
  SstpPage();

  int OnInitDialog() override;
  void OnOK() override;
};
