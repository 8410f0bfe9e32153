#include "plugin/NoticeComposer.h"

#include "plugin/ProductInfo.h"
#include "plugin/ScriptText.h"
#include "plugin/ToolItem.h"
#include "settings/Settings.h"
#include "sstp/SstpRequest.h"
#include "support/ChunkBuffer.h"
#include "support/HeapText.h"
#include "support/TextLength.h"

namespace {

constexpr char kHeaderSeparator[] = "\\n\\n";
constexpr char kItemMark[] = "\x81\xA1";        // "■"
constexpr char kItemIndent[] = "\\n\x81\x40";  // line break, then a full-width space
constexpr char kLineBreak[] = "\\n";

constexpr size_t kItemMarkupSize = 12;
constexpr size_t kEscapeAllowance = 8;

// The script's size, measured first: a list too large for memory fails at
// once, and the script never moves while it grows. The request's other lines
// fit in the same memory.
size_t EstimatedSize(const ToolItem* const* items, int count, const Settings& settings) {
  size_t size = settings.header.size() + settings.footer.size() + 8;
  for (int i = 0; i < count; ++i) {
    if (items[i] == nullptr) continue;
    size += kItemMarkupSize + TextLength(ItemText(items[i]->Title)) +
            TextLength(ItemText(items[i]->Info));
  }
  return size + size / kEscapeAllowance + kSstpRequestRoom;
}

}  // namespace

bool ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings,
                         HeapText& script) {
  if (items == nullptr) {
    script.Append(settings.noUpdate.data(), settings.noUpdate.size());
    return !script.failed();
  }
  if (!script.Reserve(script.size() + EstimatedSize(items, count, settings))) return false;
  HeapTextSink sink(script);
  ChunkBuffer chunks(sink);
  chunks.Append(settings.header.data(), settings.header.size());
  chunks.AppendLiteral(kHeaderSeparator);
  for (int i = 0; i < count; ++i) {
    const ToolItem* item = items[i];
    if (item == nullptr) continue;
    chunks.AppendLiteral(kItemMark);
    AppendScriptText(chunks, ItemText(item->Title));
    chunks.AppendLiteral(kItemIndent);
    AppendScriptText(chunks, ItemText(item->Info));
    chunks.AppendLiteral(kLineBreak);
  }
  chunks.AppendLiteral(kLineBreak);
  chunks.Append(settings.footer.data(), settings.footer.size());
  chunks.Flush();
  return !script.failed();
}

void ComposeNotice(const ToolItem* const* items, int count) {
  const char* ifGhost = settings.ifGhost.c_str();
  HeapText request;
  BeginSstpRequest(request, kProductName, ifGhost);
  const std::size_t scriptStart = request.size();
  if (!ComposeNoticeScript(items, count, settings, request)) return;
  if (!EndSstpRequest(request, scriptStart, ifGhost)) return;
  SstpExchange(settings.server.c_str(), settings.sstpPort, request.data(), request.size(),
               kAutomaticNotice);
}
