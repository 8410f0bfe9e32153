// Builds the one SSTP request the plug-in sends, a "SEND SSTP/1.1" request
// that carries a notice script, and hands it to the transport.
#pragma once

#include <string>

#include "sstp/SstpOutcome.h"
#include "sstp/SstpTransport.h"

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
std::string BuildSstpRequest(const char* sender, const char* script, const char* ifGhost = nullptr);
