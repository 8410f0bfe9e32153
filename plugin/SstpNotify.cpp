#include "plugin/NoticeComposer.h"
#include "plugin/NotifyFilter.h"
#include "plugin/ToolEntry.h"
#include "report/UpdateReport.h"
#include "settings/Settings.h"
#include "ui/OptionsSheet.h"

namespace {

constexpr INT32 kConfigurationCall = 0;

INT32 RunNotification(const ToolItem* const* items, INT32 count, INT32 checkKind) {
  if (items == nullptr || count <= 0) {
    try {
      ComposeNotice(nullptr, 0);
    } catch (...) {
    }
    return 0;
  }
  if (!PassesNotifyFilter(checkKind, settings.checkType, settings.autoCheck)) return 0;
  // The host is no C++ caller: a list too large to compose ends the attempt
  // here, and the call is answered like any other whose notice was dropped.
  try {
    WriteUpdateReport(items, count);
    ComposeNotice(items, count);
  } catch (...) {
  }
  return 1;
}

}  // namespace

extern "C" INT32 WINAPI SSTPNotify(HWND hwndHost, const ToolItem* const* items, INT32 count,
                                   INT32 callType, INT32 checkKind) {
  if (callType == kConfigurationCall) return RunOptionsSheet(hwndHost);
  return RunNotification(items, count, checkKind);
}
