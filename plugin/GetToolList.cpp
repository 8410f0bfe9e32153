#include <cstring>

#include "plugin/ToolEntry.h"
#include "plugin/ToolInfo.h"

namespace {

// "SSTPプロトコルで通知(&S)" in Shift-JIS.
constexpr char kToolTitle[] =
    "SSTP\x83\x76\x83\x8D\x83\x67\x83\x52\x83\x8B\x82\xC5\x92\xCA\x92\x6D(&S)";
constexpr char kToolExport[] = "SSTPNotify";
constexpr INT32 kToolFlags = 0x60;
constexpr INT32 kNoTool = -1;

static_assert(sizeof(kToolTitle) == 25, "24 bytes of title and the NUL");

}  // namespace

extern "C" INT32 WINAPI GetToolList(INT32 index, ToolInfo* info) {
  if (index != 0 || info == nullptr) return kNoTool;
  std::memcpy(info->title, kToolTitle, sizeof(kToolTitle));
  std::memcpy(info->exportName, kToolExport, sizeof(kToolExport));
  info->flags = kToolFlags;
  return 0;
}
