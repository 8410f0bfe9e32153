// The options page "チェックの種類": which kinds of host check lead to a
// notice, and whether only automatic checks do. As the start page it also
// prepares the sheet around it (no help button, centred over its owner).
#pragma once

#include "ui/PropertyPage.h"

class CheckTypePage : public PropertyPage {
 public:
  CheckTypePage();

  int OnInitDialog() override;
  void OnOK() override;
};
