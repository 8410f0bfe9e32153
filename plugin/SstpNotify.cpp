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
    ComposeNotice(nullptr, 0);
    return 0;
  }
  if (!PassesNotifyFilter(checkKind, settings.checkType, settings.autoCheck)) return 0;
  // Each step finds its own memory: one that finds none (a huge title) is
  // left out, and the other still runs.
  WriteUpdateReport(items, count);
  ComposeNotice(items, count);
  return 1;
}

}  // namespace

extern "C" INT32 WINAPI SSTPNotify(HWND hwndHost, const ToolItem* const* items, INT32 count,
                                   INT32 callType, INT32 checkKind) {
  if (callType != kConfigurationCall) return RunNotification(items, count, checkKind);
  return RunOptionsSheet(hwndHost);
}
