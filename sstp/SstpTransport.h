// Carries one SSTP request to the mascot over TCP: probe for a local mascot,
// resolve, connect, send, close. The reply is never read.
#pragma once

#include <cstddef>

// Port used when the configured port is 0.
constexpr int kSstpFallbackPort = 11000;

// Starts Windows Sockets 1.1; the library's start-up calls it once.
bool StartWinsock();

// True when a mascot program runs on this machine (its named mutex exists).
bool SstpServerRunning();

// Sends `request` (length bytes) to host:port; true when it was all sent.
bool SstpExchange(const char* host, int port, const char* request, std::size_t length);

// True for the hosts that mean this machine and are therefore probed first:
// null, empty, "127.0.0.1" and "localhost" (exact spelling).
bool IsProbedLocalHost(const char* host);

// The port actually connected to: 11000 for 0, else the low 16 bits.
unsigned short SstpPortInUse(int port);
