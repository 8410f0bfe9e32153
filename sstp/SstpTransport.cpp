#include "sstp/SstpTransport.h"

#include <cstring>
#include <string>

#include "sstp/Deadline.h"
#include "sstp/SocketSteps.h"
#include "sstp/TcpSocket.h"
#include "sstp/WinsockSession.h"

namespace {

constexpr char kLocalAddress[] = "127.0.0.1";
constexpr char kLoopbackHostName[] = "localhost";

SstpOutcome Outcome(SstpResult result, unsigned short port, int error = 0) {
  SstpOutcome outcome;
  outcome.result = result;
  outcome.port = port;
  outcome.error = error;
  return outcome;
}

SstpResult ConnectFailure(int error) {
  if (error == WSAECONNREFUSED) return SstpResult::kRefused;
  if (error == WSAETIMEDOUT) return SstpResult::kConnectTimeout;
  return SstpResult::kConnectFailed;
}

}  // namespace

bool IsProbedLocalHost(const char* host) {
  return host == nullptr || *host == '\0' || std::strcmp(host, kLocalAddress) == 0 ||
         std::strcmp(host, kLoopbackHostName) == 0;
}

PortsToTry SstpPortsToTry(int port) {
  if (port == 0) return {{kSstpDefaultPort, kSstpFallbackPort}, 2};
  return {{static_cast<unsigned short>(port), 0}, 1};
}

SstpOutcome SstpExchange(const char* host, int port, const char* request, std::size_t length,
                         const ExchangeLimits& limits) {
  const PortsToTry candidates = SstpPortsToTry(port);
  const unsigned short firstPort = candidates.ports[0];
  if (IsProbedLocalHost(host) && !SstpServerRunning()) {
    return Outcome(SstpResult::kNoMascot, firstPort);
  }
  const WinsockSession winsock;
  if (!winsock.started()) return Outcome(SstpResult::kNoSockets, firstPort, winsock.error());
  const std::string hostInUse = (host != nullptr && *host != '\0') ? host : kLocalAddress;
  const u_long address = ResolveHost(hostInUse.c_str());
  if (address == 0) return Outcome(SstpResult::kUnresolved, firstPort, WSAGetLastError());

  // Every port tried shares the one connect limit.
  const Deadline connectDeadline(limits.connectMs);
  SstpOutcome outcome = Outcome(SstpResult::kSent, firstPort);
  TcpSocket socket(0);
  int error = 0;
  for (int i = 0; i < candidates.count; ++i) {
    outcome.port = candidates.ports[i];
    outcome.fellBack = i > 0;
    socket.Reset(OpenTcpSocket());
    if (!socket.isOpen()) return Outcome(SstpResult::kNoSockets, outcome.port, WSAGetLastError());
    error = ConnectSocket(socket.handle(), address, outcome.port, connectDeadline);
    if (error != WSAECONNREFUSED) break;
  }
  outcome.error = error;
  if (error != 0) {
    outcome.result = ConnectFailure(error);
    return outcome;
  }
  socket.MarkConnected();

  const Deadline sendDeadline(limits.awaitAnswer ? connectDeadline.Remaining() : limits.sendMs);
  outcome.error = SendRequest(socket.handle(), request, length, sendDeadline);
  if (outcome.error != 0) {
    outcome.result = SstpResult::kSendFailed;
    return outcome;
  }
  if (!limits.awaitAnswer) return outcome;

  outcome.result = SstpResult::kNoAnswer;
  if (ReadStatusLine(socket.handle(), sendDeadline, outcome.statusLine)) {
    outcome.result = SstpResult::kAnswered;
    outcome.statusCode = ParseStatusCode(outcome.statusLine);
  }
  return outcome;
}
