// Carries one SSTP request to the mascot over TCP: probe for a local mascot,
// resolve, connect, send, and then either close at once (an automatic notice)
// or first wait for the answer's status line (a test notice).
#pragma once

#include <cstddef>

#include "sstp/SstpOutcome.h"

// The port of the mascot programs in use, and the one older ones used; a
// configured port 0 tries both, preferring the first.
constexpr int kSstpDefaultPort = 9801;
constexpr int kSstpFallbackPort = 11000;

// Time limits of one exchange. An automatic notice limits connecting and
// sending separately and never reads the answer. A test notice waits for the
// answer, and `connectMs` is then one budget for the whole exchange, from the
// first connect attempt to the close.
struct ExchangeLimits {
  int connectMs;
  int sendMs;
  bool awaitAnswer;
};
constexpr ExchangeLimits kAutomaticNotice = {3000, 3000, false};
constexpr ExchangeLimits kTestNotice = {3000, 0, true};

// True when a mascot program runs on this machine (its named mutex exists).
bool SstpServerRunning();

// Sends `request` (length bytes) to host:port within `limits`. Windows
// Sockets are started for the exchange and released after it.
SstpOutcome SstpExchange(const char* host, int port, const char* request, std::size_t length,
                         const ExchangeLimits& limits);

// True for the hosts that mean this machine and are therefore probed first:
// null, empty, "127.0.0.1" and "localhost" (exact spelling).
bool IsProbedLocalHost(const char* host);

// The ports an exchange tries, in order: 9801 and then 11000 for 0 (the
// second once the first has failed, or has not connected within half a
// second; the first still wins if it connects first), else the low 16 bits
// of `port`.
struct PortsToTry {
  unsigned short ports[2];
  int count;
};
PortsToTry SstpPortsToTry(int port);
