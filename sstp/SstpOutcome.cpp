#include "sstp/SstpOutcome.h"

#include <cctype>

namespace {

constexpr char kProtocolPrefix[] = "SSTP/";

std::string PortText(const SstpOutcome& outcome) { return "port " + std::to_string(outcome.port); }

std::string ErrorText(const SstpOutcome& outcome) {
  return outcome.error != 0 ? " (error " + std::to_string(outcome.error) + ")" : std::string();
}

// A failure on the fallback port comes after a refusal on 9801.
std::string RefusedFirst(const SstpOutcome& outcome) {
  return outcome.fellBack ? "; port 9801 refused" : std::string();
}

}  // namespace

int ParseStatusCode(const std::string& statusLine) {
  if (statusLine.compare(0, sizeof(kProtocolPrefix) - 1, kProtocolPrefix) != 0) return 0;
  const std::size_t space = statusLine.find(' ');
  if (space == std::string::npos || statusLine.size() < space + 4) return 0;
  int code = 0;
  for (std::size_t i = space + 1; i < space + 4; ++i) {
    const unsigned char digit = static_cast<unsigned char>(statusLine[i]);
    if (!std::isdigit(digit)) return 0;
    code = code * 10 + (digit - '0');
  }
  const bool ends = statusLine.size() == space + 4 || statusLine[space + 4] == ' ';
  return ends ? code : 0;
}

std::string DescribeOutcome(const SstpOutcome& outcome) {
  switch (outcome.result) {
    case SstpResult::kNoMascot:
      return "failed: no mascot program found (neither mutex \"sakura\" nor \"ssp\" exists)";
    case SstpResult::kNoSockets:
      return "failed: Windows Sockets could not be used" + ErrorText(outcome);
    case SstpResult::kUnresolved:
      return "failed: the server name could not be looked up" + ErrorText(outcome);
    case SstpResult::kRefused:
      return "failed: connection refused on " +
             (outcome.fellBack ? "port 9801 and on " + PortText(outcome) : PortText(outcome));
    case SstpResult::kConnectFailed:
      return "failed: could not connect to " + PortText(outcome) + ErrorText(outcome) +
             RefusedFirst(outcome);
    case SstpResult::kConnectTimeout:
      return "failed: no connection to " + PortText(outcome) + " within the time limit" +
             RefusedFirst(outcome);
    case SstpResult::kSendFailed:
      return "failed: the request could not be sent to " + PortText(outcome) + ErrorText(outcome);
    case SstpResult::kSent:
      return "sent to " + PortText(outcome) + "; the answer was not awaited";
    case SstpResult::kAnswered:
      return "answered: " + outcome.statusLine;
    case SstpResult::kNoAnswer:
      return "sent to " + PortText(outcome) + ", but no answer came";
  }
  return "failed";
}
