#include "sstp/SstpTransport.h"

#include <cstring>

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

// How long port 0's first port has the connect to itself. A listening mascot
// answers well within it; a port behind a firewall that drops packets never
// answers, and Windows takes about a second to report a refusal, so waiting
// for either would leave the second port too little of the limit.
constexpr int kFallbackHeadStartMs = 500;

SstpResult ConnectFailure(int error) {
  if (error == WSAECONNREFUSED) return SstpResult::kRefused;
  if (error == WSAETIMEDOUT) return SstpResult::kConnectTimeout;
  return SstpResult::kConnectFailed;
}

// Connects to one of the candidate ports before the deadline and returns the
// index of its socket, or -1 with the failure in `outcome`. The second port is
// tried once the first has failed or its head start has passed, and the two
// then race: the first wins when both connect in the same wait; the second,
// once connected, is not held back for a first that has not answered.
int ConnectToCandidate(u_long address, const PortsToTry& candidates, const Deadline& deadline,
                       TcpSocket (&sockets)[2], SstpOutcome& outcome) {
  PendingConnect connects[2] = {};
  int started = 0;
  const Deadline headStart(kFallbackHeadStartMs);
  for (;;) {
    for (int i = 0; i < started; ++i) {
      if (connects[i].state != 0) continue;
      outcome.port = candidates.ports[i];
      outcome.fellBack = i > 0;
      return i;
    }
    const bool firstPending = started > 0 && connects[0].state == WSAEWOULDBLOCK;
    if (started < candidates.count && (!firstPending || headStart.Remaining() == 0)) {
      sockets[started].Reset(OpenTcpSocket());
      if (!sockets[started].isOpen()) {
        outcome = Outcome(SstpResult::kNoSockets, candidates.ports[started], WSAGetLastError());
        return -1;
      }
      const SOCKET socket = sockets[started].handle();
      connects[started] = {socket, StartConnect(socket, address, candidates.ports[started])};
      ++started;
      continue;
    }
    bool underWay = false;
    for (int i = 0; i < started; ++i) underWay = underWay || connects[i].state == WSAEWOULDBLOCK;
    if (!underWay || deadline.Remaining() == 0) break;
    int waitMs = deadline.Remaining();
    if (started < candidates.count && headStart.Remaining() < waitMs) waitMs = headStart.Remaining();
    AwaitConnects(connects, started, waitMs);
  }
  // The second port's failure is reported only when the first refused: a
  // first port that timed out or failed otherwise says more about the cause.
  const int reported = started > 1 && connects[0].state == WSAECONNREFUSED ? 1 : 0;
  const int state = connects[reported].state;
  outcome.port = candidates.ports[reported];
  outcome.fellBack = reported > 0;
  outcome.error = state == WSAEWOULDBLOCK ? WSAETIMEDOUT : state;
  outcome.result = ConnectFailure(outcome.error);
  return -1;
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
  const char* hostInUse = (host != nullptr && *host != '\0') ? host : kLocalAddress;
  const u_long address = ResolveHost(hostInUse);
  if (address == 0) return Outcome(SstpResult::kUnresolved, firstPort, WSAGetLastError());

  // Every port tried shares the one connect limit.
  const Deadline connectDeadline(limits.connectMs);
  SstpOutcome outcome = Outcome(SstpResult::kSent, firstPort);
  TcpSocket sockets[2] = {TcpSocket(0), TcpSocket(0)};
  const int connected = ConnectToCandidate(address, candidates, connectDeadline, sockets, outcome);
  if (connected < 0) return outcome;
  sockets[1 - connected].Reset(0);
  TcpSocket& socket = sockets[connected];
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
