#include "plugin/NoticeComposer.h"
#include "plugin/NotifyFilter.h"
#include "plugin/ToolEntry.h"
#include "report/UpdateReport.h"
#include "settings/Settings.h"
#include "ui/OptionsSheet.h"

namespace {

constexpr INT32 kConfigurationCall = 0;
constexpr INT32 kConfigurationDone = 1;

// Runs one step of the call; running out of memory (a huge title) ends that
// step, never the host, and the next step is still attempted.
template <typename Step>
void RunContained(Step step) {
  try {
    step();
  } catch (...) {
  }
}

INT32 RunNotification(const ToolItem* const* items, INT32 count, INT32 checkKind) {
  if (items == nullptr || count <= 0) {
    RunContained([] { ComposeNotice(nullptr, 0); });
    return 0;
  }
  if (!PassesNotifyFilter(checkKind, settings.checkType, settings.autoCheck)) return 0;
  RunContained([&] { WriteUpdateReport(items, count); });
  RunContained([&] { ComposeNotice(items, count); });
  return 1;
}

}  // namespace

extern "C" INT32 WINAPI SSTPNotify(HWND hwndHost, const ToolItem* const* items, INT32 count,
                                   INT32 callType, INT32 checkKind) {
  if (callType != kConfigurationCall) return RunNotification(items, count, checkKind);
  // Nothing may be thrown into the host; a sheet that could not run saved nothing.
  try {
    return RunOptionsSheet(hwndHost);
  } catch (...) {
    return kConfigurationDone;
  }
}
