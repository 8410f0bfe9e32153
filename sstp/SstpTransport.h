// Carries one SSTP request to the mascot over TCP: probe for a local mascot,
// resolve, connect, send, close. The reply is never read.
#pragma once

#include <cstddef>

// Starts Windows Sockets 1.1; the library's start-up calls it once.
bool StartWinsock();

// True when a mascot program runs on this machine (its named mutex exists).
bool SstpServerRunning();

// Sends `request` (length bytes) to host:port; true when it was all sent.
bool SstpExchange(const char* host, int port, const char* request, std::size_t length);
