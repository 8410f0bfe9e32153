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
void DropLineBreaks(HeapText& text, std::size_t from) {
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

bool NamesCharacters(const char* ifGhost) { return ifGhost != nullptr && *ifGhost != '\0'; }

}  // namespace

void BeginSstpRequest(HeapText& request, const char* sender, const char* ifGhost) {
  request.Reserve(request.size() + kFixedRequestSize + (sender != nullptr ? std::strlen(sender) : 0) +
                  (NamesCharacters(ifGhost) ? std::strlen(ifGhost) : 0));
  request.Append(kRequestLine);
  request.Append(kSstpVersion);
  request.Append(kLineEnd);
  AppendField(request, kSenderField, sender);
  if (NamesCharacters(ifGhost)) AppendField(request, kIfGhostField, ifGhost);
  request.Append(kScriptField);
}

bool EndSstpRequest(HeapText& request, std::size_t scriptStart, const char* ifGhost) {
  DropLineBreaks(request, scriptStart);
  const std::size_t scriptSize = request.size() - scriptStart;
  if (NamesCharacters(ifGhost)) {
    // Room for the second copy first, so that it is appended from memory
    // that stays where it is.
    if (!request.Reserve(request.size() + scriptSize + kFixedRequestSize)) return false;
    request.Append(kLineEnd);
    request.Append(kScriptField);
    request.Append(request.data() + scriptStart, scriptSize);
  }
  request.Append(kLineEnd);
  request.Append(kCharsetLine);
  request.Append(kLineEnd);
  request.Append(kLineEnd);
  return !request.failed();
}

bool BuildSstpRequest(HeapText& request, const char* sender, const char* script,
                      const char* ifGhost) {
  const std::size_t length = script != nullptr ? std::strlen(script) : 0;
  request.Reserve(length + kSstpRequestRoom);
  BeginSstpRequest(request, sender, ifGhost);
  const std::size_t scriptStart = request.size();
  if (script != nullptr) request.Append(script, length);
  return EndSstpRequest(request, scriptStart, ifGhost);
}

std::string BuildSstpRequest(const char* sender, const char* script, const char* ifGhost) {
  HeapText request;
  BuildSstpRequest(request, sender, script, ifGhost);
  return std::string(request.data(), request.size());
}

SstpOutcome SendSstp(const char* host, int port, const char* sender, const char* script,
                     const char* ifGhost, const ExchangeLimits& limits) {
  HeapText request;
  if (!BuildSstpRequest(request, sender, script, ifGhost)) return NoMemoryForTheRequest(port);
  return SstpExchange(host, port, request.data(), request.size(), limits);
}
