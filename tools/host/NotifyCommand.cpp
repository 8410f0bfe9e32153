#include "NotifyCommand.h"

#include <cstring>
#include <string>

#include "ItemList.h"
#include "TextConversion.h"
#include "runtime/ConsoleOutput.h"

namespace {

constexpr INT32 kDefaultCheckKind = 0x11;  // an automatic check of one item
constexpr INT32 kDefaultCallType = 1;

struct NotifyOptions {
  std::string itemFile;
  bool noItems = false;
  INT32 checkKind = kDefaultCheckKind;
  INT32 callType = kDefaultCallType;
};

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 16;
}

// A whole argument as a number, read as the C library's strtol reads it
// with base 0: an optional sign, then hexadecimal after 0x, octal after 0,
// else decimal.
bool ParseNumber(const char* text, INT32& value) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  unsigned base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitValue(p[2]) < 16) {
    base = 16;
    p += 2;
  } else if (p[0] == '0') {
    base = 8;
  }
  const char* digits = p;
  unsigned long number = 0;
  for (; *p != '\0' && DigitValue(*p) < static_cast<int>(base); ++p) {
    number = number * base + static_cast<unsigned>(DigitValue(*p));
  }
  if (p == digits || *p != '\0') return false;
  value = static_cast<INT32>(negative ? 0ul - number : number);
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
    Print("  item %d: %s\n", ++number, ShiftJisToUtf8(ItemText(item->Title)).c_str());
  }
}

}  // namespace

int RunNotifyCommand(SstpNotifyFunction sstpNotify, int argc, char** argv) {
  NotifyOptions options;
  if (!ParseOptions(argc, argv, options)) {
    PrintError(
        "usage: host <plugin.dll> notify <items.tsv> [--kind 0x11] [--call-type 1]\n"
        "       host <plugin.dll> notify --none [--kind 0x11] [--call-type 1]\n");
    return 2;
  }
  ItemList items;
  if (!options.noItems && !items.Load(options.itemFile)) {
    PrintError("cannot read %s\n", options.itemFile.c_str());
    return 1;
  }
  Print("calling SSTPNotify with %d item(s), call type %d, check kind 0x%02X\n",
        items.count(), options.callType, static_cast<unsigned>(options.checkKind));
  PrintItems(items);
  const INT32 result =
      sstpNotify(nullptr, items.data(), items.count(), options.callType, options.checkKind);
  Print("SSTPNotify returned %d\n", result);
  return 0;
}
