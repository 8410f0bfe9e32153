// Reads one SSTP request from a client, up to its empty line, with a size cap
// and a time limit so a bad client cannot hang the emulator, and judges
// whether it is a request the emulator understands.
#pragma once

#include <winsock.h>

#include <string>

constexpr std::size_t kMaxRequestBytes = 1024 * 1024;

struct ReceivedRequest {
  std::string bytes;      // everything received, up to and including CR LF CR LF
  bool complete = false;  // the empty line arrived
  bool timedOut = false;
  bool tooLarge = false;
};

ReceivedRequest ReadRequest(SOCKET client, int timeoutMilliseconds);

// A request line "<METHOD> SSTP/<major>.<minor>", then "Name: value" lines.
bool IsWellFormedRequest(const std::string& bytes);

// The value of header `name` ("" when absent).
std::string HeaderValue(const std::string& bytes, const std::string& name);
