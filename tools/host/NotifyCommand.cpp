#include "NotifyCommand.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ItemList.h"
#include "TextConversion.h"

namespace {

constexpr INT32 kDefaultCheckKind = 0x11;  // an automatic check of one item
constexpr INT32 kDefaultCallType = 1;

struct NotifyOptions {
  std::string itemFile;
  bool noItems = false;
  INT32 checkKind = kDefaultCheckKind;
  INT32 callType = kDefaultCallType;
};

bool ParseNumber(const char* text, INT32& value) {
  char* end = nullptr;
  const long number = std::strtol(text, &end, 0);
  if (end == text || *end != '\0') return false;
  value = static_cast<INT32>(number);
  return true;
}

bool ParseOptions(int argc, char** argv, NotifyOptions& options) {
  for (int i = 0; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--none") {
      options.noItems = true;
    } else if ((argument == "--kind" || argument == "--call-type") && i + 1 < argc) {
      INT32& target = argument == "--kind" ? options.checkKind : options.callType;
      if (!ParseNumber(argv[++i], target)) return false;
    } else if (argument.compare(0, 2, "--") != 0 && options.itemFile.empty()) {
      options.itemFile = argument;
    } else {
      return false;
    }
  }
  return options.noItems != !options.itemFile.empty();
}

void PrintItems(const ItemList& items) {
  int number = 0;
  for (const ToolItem* item : items.items()) {
    std::printf("  item %d: %s\n", ++number, ShiftJisToUtf8(ItemText(item->Title)).c_str());
  }
}

}  // namespace

int RunNotifyCommand(SstpNotifyFunction sstpNotify, int argc, char** argv) {
  NotifyOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: host <plugin.dll> notify <items.tsv> [--kind 0x11] [--call-type 1]\n"
                 "       host <plugin.dll> notify --none [--kind 0x11] [--call-type 1]\n");
    return 2;
  }
  ItemList items;
  if (!options.noItems && !items.Load(options.itemFile)) {
    std::fprintf(stderr, "cannot read %s\n", options.itemFile.c_str());
    return 1;
  }
  std::printf("calling SSTPNotify with %d item(s), call type %d, check kind 0x%02X\n",
              items.count(), options.callType, static_cast<unsigned>(options.checkKind));
  PrintItems(items);
  std::fflush(stdout);
  const INT32 result =
      sstpNotify(nullptr, items.data(), items.count(), options.callType, options.checkKind);
  std::printf("SSTPNotify returned %d\n", result);
  return 0;
}
