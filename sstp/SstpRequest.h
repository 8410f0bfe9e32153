// Builds the one SSTP request the plug-in sends, a "SEND SSTP/1.1" request
// that carries a notice script, and hands it to the transport.
#pragma once

#include <cstddef>
#include <string>

#include "sstp/SstpOutcome.h"
#include "sstp/SstpTransport.h"
#include "support/HeapText.h"

// Room beyond a script's size for the request's other lines (with a sender of
// up to 64 bytes and no IfGhost line).
constexpr std::size_t kSstpRequestRoom = 128;

// Sends the notice to host:port. `host` may be null or empty (the local
// machine); `sender`, `script` and `ifGhost` are Shift-JIS texts. An
// automatic notice does not wait for the answer; kTestNotice does.
SstpOutcome SendSstp(const char* host, int port, const char* sender, const char* script,
                     const char* ifGhost = nullptr,
                     const ExchangeLimits& limits = kAutomaticNotice);
// The request bytes: request line, Sender, Script, Charset and the empty line,
// each ended by CR LF. With `ifGhost` set (the names of the characters to
// address), an "IfGhost" line and a Script line for them come before the
// Script line for every other character; both carry the same script. CR and
// LF bytes inside a value are dropped so that it can never end its line
// early; null counts as empty.
// False when memory ran out (`request` then holds no usable request).
bool BuildSstpRequest(HeapText& request, const char* sender, const char* script,
                      const char* ifGhost = nullptr);
// A copy in a string, for callers that keep it.
std::string BuildSstpRequest(const char* sender, const char* script, const char* ifGhost = nullptr);

// The same in two steps around a script that the caller appends in between,
// so that a long script is written once, in place: the lines before the
// script, then (given where the script starts) the rest. False when memory
// ran out.
void BeginSstpRequest(HeapText& request, const char* sender, const char* ifGhost);
bool EndSstpRequest(HeapText& request, std::size_t scriptStart, const char* ifGhost);
