// What became of one SSTP exchange, as a value a caller can show: where it
// stopped, or what the mascot answered. The automatic notice ignores it; the
// test notice shows it to the user.
#pragma once

#include <string>

enum class SstpResult {
  kNoMascot,        // a local server, and no mascot program holds its mutex
  kNoSockets,       // Windows Sockets did not start, or gave no socket
  kUnresolved,      // the server name could not be looked up
  kRefused,         // nothing listens on the port
  kConnectFailed,   // another connection error (network unreachable, ...)
  kConnectTimeout,  // no connection within the time limit
  kSendFailed,      // the request could not be sent whole in time
  kSent,            // sent; the answer was not waited for
  kAnswered,        // sent, and the mascot answered with a status line
  kNoAnswer,        // sent, and no status line came in time
};

struct SstpOutcome {
  SstpResult result = SstpResult::kNoSockets;
  unsigned short port = 0;  // the port connected to, or tried last
  bool fellBack = false;    // port 0: `port` is the fallback, 9801 did not connect
                            // (on a failure: 9801 refused)
  int error = 0;            // the Windows Sockets error of a failed step
  int statusCode = 0;       // kAnswered: 200, 409, ...; 0 when the line has none
  std::string statusLine;   // kAnswered: the answer's first line, as sent

  // True when the whole request went out.
  bool sent() const {
    return result == SstpResult::kSent || result == SstpResult::kAnswered ||
           result == SstpResult::kNoAnswer;
  }
};

// The status code of an answer's first line ("SSTP/1.4 409 Conflict" gives
// 409); 0 when the line is not an SSTP status line.
int ParseStatusCode(const std::string& statusLine);

// One line of plain English for the host tool, e.g. "answered: SSTP/1.4 200 OK"
// or "failed: connection refused by port 9801".
std::string DescribeOutcome(const SstpOutcome& outcome);
