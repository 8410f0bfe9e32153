// Plays the host: loads a tool plug-in and lists the tools it offers.
//
//   host <plugin.dll>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "TextConversion.h"

namespace {

using GetToolListFunction = INT32(WINAPI*)(INT32, void*);

constexpr size_t kToolInfoSize = 1024;
constexpr size_t kTitleOffset = 4;
constexpr size_t kExportOffset = 260;
constexpr size_t kFlagsOffset = 776;

int ListTools(GetToolListFunction getToolList) {
  int count = 0;
  for (INT32 index = 0;; ++index) {
    unsigned char info[kToolInfoSize] = {};
    if (getToolList(index, info) == -1) break;
    INT32 flags = 0;
    std::memcpy(&flags, info + kFlagsOffset, sizeof(flags));
    const std::string title(reinterpret_cast<const char*>(info + kTitleOffset));
    const std::string exportName(reinterpret_cast<const char*>(info + kExportOffset));
    std::printf("tool %d: title \"%s\", export \"%s\", flags %d\n", index,
                ShiftJisToUtf8(title).c_str(), exportName.c_str(), flags);
    ++count;
  }
  std::printf("%d tool(s)\n", count);
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: host <plugin.dll>\n");
    return 2;
  }
  HMODULE plugin = LoadLibraryA(argv[1]);
  if (plugin == nullptr) {
    std::fprintf(stderr, "cannot load %s (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  auto getToolList = reinterpret_cast<GetToolListFunction>(GetProcAddress(plugin, "GetToolList"));
  int result = 1;
  if (getToolList == nullptr) {
    std::fprintf(stderr, "%s exports no GetToolList\n", argv[1]);
  } else if (ListTools(getToolList) > 0) {
    result = 0;
  }
  std::fflush(stdout);
  FreeLibrary(plugin);
  return result;
}
