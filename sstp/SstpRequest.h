// Builds the one SSTP request the plug-in sends, a "SEND SSTP/1.1" request
// that carries a notice script, and hands it to the transport.
#pragma once

#include <string>

// True when the request was sent. `host` may be null or empty (the local
// machine); `sender` and `script` are Shift-JIS texts.
bool SendSstp(const char* host, int port, const char* sender, const char* script);

// The request bytes: request line, Sender, Script, Charset and the empty line,
// each ended by CR LF. CR and LF bytes inside `sender` or `script` are dropped
// so that a value can never end its line early; null counts as empty.
std::string BuildSstpRequest(const char* sender, const char* script);
