#include "ui/OptionsSheet.h"

#include "settings/SettingsStore.h"
#include "support/ModuleHandles.h"
#include "ui/CheckTypePage.h"
#include "ui/PropertySheet.h"
#include "ui/SpinEditControl.h"
#include "ui/SstpPage.h"

namespace {

// "オプション" in Shift-JIS.
constexpr char kOptionsCaption[] = "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93";
constexpr INT_PTR kConfirmed = 1;

}  // namespace

int RunOptionsSheet(HWND hwndHost) {
  PropertySheet sheet(kOptionsCaption, hwndHost, 0);
  CheckTypePage checkTypePage;
  SstpPage sstpPage;
  // Registered once per process; a repeated registration fails harmlessly.
  RegisterSpinEditClass(windowInstance());
  sheet.AddPage(&checkTypePage);
  sheet.AddPage(&sstpPage);
  // A sheet that could not be shown counts as cancelled: nothing is saved.
  if (sheet.RunModal(0) == kConfirmed) SaveSettings();
  return 1;
}
