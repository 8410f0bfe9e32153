// Builds the one SSTP request the plug-in sends, a "SEND SSTP/1.1" request
// that carries a notice script, and hands it to the transport.
#pragma once

#include <cstddef>
#include <string>

#include "sstp/SstpOutcome.h"
#include "sstp/SstpTransport.h"
#include "support/HeapText.h"

// Spare capacity beyond its size that lets a script become the request
// in its own memory (the other lines, with a sender of up to 64 bytes and no
// IfGhost line).
constexpr std::size_t kSstpRequestRoom = 128;

// Sends the notice to host:port. `host` may be null or empty (the local
// machine); `sender`, `script` and `ifGhost` are Shift-JIS texts. An
// automatic notice does not wait for the answer; kTestNotice does.
SstpOutcome SendSstp(const char* host, int port, const char* sender, const char* script,
                     const char* ifGhost = nullptr,
                     const ExchangeLimits& limits = kAutomaticNotice);
// The same for a script in heap memory, which becomes the request in its own
// memory: afterwards `script` holds the bytes that were sent. A request that
// finds no memory is not sent (kSendFailed, WSAENOBUFS).
SstpOutcome SendSstp(const char* host, int port, const char* sender, HeapText& script,
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
// The same, built around the script in its own memory: no copy of a long
// script when it has kSstpRequestRoom to spare (with `ifGhost` set, the
// script's second copy is appended in the same memory). False when memory
// ran out.
bool WrapSstpRequest(const char* sender, HeapText& script, const char* ifGhost = nullptr);
