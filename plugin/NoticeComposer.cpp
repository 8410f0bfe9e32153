#include "plugin/NoticeComposer.h"

#include <cstring>

#include "plugin/ProductInfo.h"
#include "plugin/ScriptText.h"
#include "plugin/ToolItem.h"
#include "settings/Settings.h"
#include "sstp/SstpRequest.h"

namespace {

constexpr char kHeaderSeparator[] = "\\n\\n";
constexpr char kItemMark[] = "\x81\xA1";        // "■"
constexpr char kItemIndent[] = "\\n\x81\x40";  // line break, then a full-width space
constexpr char kLineBreak[] = "\\n";

constexpr size_t kItemMarkupSize = 12;
constexpr size_t kEscapeAllowance = 8;

size_t EstimatedSize(const ToolItem* const* items, int count, const Settings& settings) {
  size_t size = settings.header.size() + settings.footer.size() + 8;
  for (int i = 0; i < count; ++i) {
    if (items[i] == nullptr) continue;
    size += kItemMarkupSize + std::strlen(ItemText(items[i]->Title)) +
            std::strlen(ItemText(items[i]->Info));
  }
  return size + size / kEscapeAllowance;
}

}  // namespace

std::string ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings) {
  if (items == nullptr) return settings.noUpdate;
  std::string script;
  script.reserve(EstimatedSize(items, count, settings));
  script.append(settings.header);
  script.append(kHeaderSeparator);
  for (int i = 0; i < count; ++i) {
    const ToolItem* item = items[i];
    if (item == nullptr) continue;
    script.append(kItemMark);
    AppendScriptText(script, ItemText(item->Title));
    script.append(kItemIndent);
    AppendScriptText(script, ItemText(item->Info));
    script.append(kLineBreak);
  }
  script.append(kLineBreak);
  script.append(settings.footer);
  return script;
}

void ComposeNotice(const ToolItem* const* items, int count) {
  const std::string script = ComposeNoticeScript(items, count, settings);
  SendSstp(settings.server.c_str(), settings.sstpPort, kProductName, script.c_str(),
           settings.ifGhost.c_str());
}
