// Builds the one SSTP request the plug-in sends, a "SEND SSTP/1.1" request
// that carries a notice script, and hands it to the transport.
#pragma once

// True when the request was sent. `host` may be null or empty (the local
// machine); `sender` and `script` are Shift-JIS texts.
bool SendSstp(const char* host, int port, const char* sender, const char* script);
