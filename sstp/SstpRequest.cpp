#include "sstp/SstpRequest.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <winsock.h>

#include "sstp/SstpTransport.h"
#include "support/ByteWords.h"

namespace {

constexpr char kRequestLine[] = "SEND SSTP/";
constexpr char kSstpVersion[] = "1.1";
constexpr char kSenderField[] = "Sender: ";
constexpr char kIfGhostField[] = "IfGhost: ";
constexpr char kScriptField[] = "Script: ";
constexpr char kCharsetLine[] = "Charset: SJIS";
constexpr char kLineEnd[] = "\r\n";
// Room for the request's fixed lines.
constexpr std::size_t kFixedRequestSize = 64;

// A request that could not be built in memory was never sent.
SstpOutcome NoMemoryForTheRequest(int port) {
  SstpOutcome outcome;
  outcome.result = SstpResult::kSendFailed;
  outcome.port = SstpPortsToTry(port).ports[0];
  outcome.error = WSAENOBUFS;
  return outcome;
}

bool IsLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

// The first CR or LF in [begin, end), or end. Both are below 0x0E, so a word
// of four bytes none of which is below 0x0E is passed over whole.
const char* FindLineBreak(const char* begin, const char* end) {
  constexpr std::uint8_t kAboveLineBreaks = 0x0E;
  const char* p = begin;
  for (;;) {
    while (end - p >= static_cast<std::ptrdiff_t>(kWordBytes) &&
           !HasByteBelow(LoadWord(p), kAboveLineBreaks)) {
      p += kWordBytes;
    }
    const std::ptrdiff_t left = end - p;
    const char* const stop = left > static_cast<std::ptrdiff_t>(kWordBytes) ? p + kWordBytes : end;
    for (; p != stop; ++p) {
      if (IsLineBreak(*p)) return p;
    }
    if (p == end) return end;
  }
}

// Drops every CR and LF from `text` at and after `from`, in place, so that a
// value can never end its line early. Neither can be a Shift-JIS trail byte,
// so no double-byte character is split. A script of megabytes rarely holds a
// line break, and nothing moves when it holds none.
void DropLineBreaks(HeapText& text, std::size_t from = 0) {
  char* const begin = text.data();
  if (begin == nullptr) return;
  char* const end = begin + text.size();
  char* const first = begin + (FindLineBreak(begin + from, end) - begin);
  if (first == end) return;
  text.Truncate(std::remove_if(first, end, IsLineBreak) - begin);
}

void AppendField(HeapText& request, const char* field, const char* value) {
  request.Append(field);
  const std::size_t valueStart = request.size();
  request.Append(value);
  DropLineBreaks(request, valueStart);
  request.Append(kLineEnd);
}

}  // namespace

bool WrapSstpRequest(const char* sender, HeapText& script, const char* ifGhost) {
  const bool namesCharacters = ifGhost != nullptr && *ifGhost != '\0';
  DropLineBreaks(script);
  HeapText head;
  head.Reserve(kFixedRequestSize + (sender != nullptr ? std::strlen(sender) : 0) +
               (namesCharacters ? std::strlen(ifGhost) : 0));
  head.Append(kRequestLine);
  head.Append(kSstpVersion);
  head.Append(kLineEnd);
  AppendField(head, kSenderField, sender);
  if (namesCharacters) AppendField(head, kIfGhostField, ifGhost);
  head.Append(kScriptField);
  if (head.failed()) return false;
  const std::size_t scriptSize = script.size();
  // Room for the second copy first, so that it is appended from memory that
  // stays where it is.
  if (namesCharacters) script.Reserve(head.size() + 2 * scriptSize + kFixedRequestSize);
  script.Prepend(head.data(), head.size());
  script.Append(kLineEnd);
  if (namesCharacters && !script.failed()) {
    script.Append(kScriptField);
    script.Append(script.data() + head.size(), scriptSize);
    script.Append(kLineEnd);
  }
  script.Append(kCharsetLine);
  script.Append(kLineEnd);
  script.Append(kLineEnd);
  return !script.failed();
}

bool BuildSstpRequest(HeapText& request, const char* sender, const char* script,
                      const char* ifGhost) {
  if (script != nullptr) {
    const std::size_t length = std::strlen(script);
    request.Reserve(length + kSstpRequestRoom);
    request.Append(script, length);
  }
  return WrapSstpRequest(sender, request, ifGhost);
}

std::string BuildSstpRequest(const char* sender, const char* script, const char* ifGhost) {
  HeapText request;
  BuildSstpRequest(request, sender, script, ifGhost);
  return std::string(request.data(), request.size());
}

SstpOutcome SendSstp(const char* host, int port, const char* sender, HeapText& script,
                     const char* ifGhost, const ExchangeLimits& limits) {
  if (!WrapSstpRequest(sender, script, ifGhost)) return NoMemoryForTheRequest(port);
  return SstpExchange(host, port, script.data(), script.size(), limits);
}

SstpOutcome SendSstp(const char* host, int port, const char* sender, const char* script,
                     const char* ifGhost, const ExchangeLimits& limits) {
  HeapText request;
  if (!BuildSstpRequest(request, sender, script, ifGhost)) return NoMemoryForTheRequest(port);
  return SstpExchange(host, port, request.data(), request.size(), limits);
}
