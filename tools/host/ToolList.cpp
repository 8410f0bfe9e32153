#include "ToolList.h"

#include <cstring>
#include <string>

#include "TextConversion.h"
#include "runtime/ConsoleOutput.h"

namespace {

constexpr size_t kToolInfoSize = 1024;
constexpr size_t kTitleOffset = 4;
constexpr size_t kExportOffset = 260;
constexpr size_t kFlagsOffset = 776;

}  // namespace

int ListTools(GetToolListFunction getToolList) {
  int count = 0;
  for (INT32 index = 0;; ++index) {
    unsigned char info[kToolInfoSize] = {};
    if (getToolList(index, info) == -1) break;
    INT32 flags = 0;
    std::memcpy(&flags, info + kFlagsOffset, sizeof(flags));
    const std::string title(reinterpret_cast<const char*>(info + kTitleOffset));
    const std::string exportName(reinterpret_cast<const char*>(info + kExportOffset));
    Print("tool %d: title \"%s\", export \"%s\", flags %d\n", index,
          ShiftJisToUtf8(title).c_str(), exportName.c_str(), flags);
    ++count;
  }
  Print("%d tool(s)\n", count);
  return count;
}
