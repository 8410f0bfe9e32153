#include "sstp/SocketSteps.h"

#include <cstring>

namespace {

// An answer's status line is short; a longer one is cut here.
constexpr std::size_t kStatusLineLimit = 512;

timeval ToTimeval(int milliseconds) {
  timeval time;
  time.tv_sec = milliseconds / 1000;
  time.tv_usec = (milliseconds % 1000) * 1000;
  return time;
}

bool MakeNonBlocking(SOCKET socket) {
  u_long nonBlocking = 1;
  return ioctlsocket(socket, FIONBIO, &nonBlocking) != SOCKET_ERROR;
}

int PendingError(SOCKET socket) {
  int error = 0;
  int size = sizeof(error);
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) ==
      SOCKET_ERROR) {
    return WSAGetLastError();
  }
  return error;
}

enum class Wait { kReady, kTimedOut, kFailed };

// Waits until the socket can be read (or, with `forWriting`, written). A
// failed connect lands in the except set.
Wait WaitForSocket(SOCKET socket, bool forWriting, const Deadline& deadline) {
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(socket, &ready);
  FD_SET(socket, &failed);
  timeval timeout = ToTimeval(deadline.Remaining());
  const int count = forWriting ? select(0, nullptr, &ready, &failed, &timeout)
                               : select(0, &ready, nullptr, &failed, &timeout);
  if (count == 0) return Wait::kTimedOut;
  if (count < 0 || FD_ISSET(socket, &failed)) return Wait::kFailed;
  return Wait::kReady;
}

}  // namespace

SOCKET OpenTcpSocket() {
  const SOCKET created = socket(AF_INET, SOCK_STREAM, 0);
  return created == INVALID_SOCKET ? 0 : created;
}

u_long ResolveHost(const char* host) {
  if (host == nullptr) return 0;
  const u_long numeric = inet_addr(host);
  if (numeric != INADDR_NONE) return numeric;
  const hostent* entry = gethostbyname(host);
  if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_length != sizeof(u_long) ||
      entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr) {
    return 0;
  }
  u_long address = 0;
  std::memcpy(&address, entry->h_addr_list[0], sizeof(address));
  return address;
}

int ConnectSocket(SOCKET socket, u_long address, unsigned short port, const Deadline& deadline) {
  sockaddr_in server;
  std::memset(&server, 0, sizeof(server));
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = address;
  if (!MakeNonBlocking(socket)) return WSAGetLastError();
  if (connect(socket, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) == 0) return 0;
  const int error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) return error;
  switch (WaitForSocket(socket, true, deadline)) {
    case Wait::kTimedOut: return WSAETIMEDOUT;
    case Wait::kFailed: {
      const int pending = PendingError(socket);
      return pending != 0 ? pending : WSAECONNREFUSED;
    }
    case Wait::kReady: return PendingError(socket);
  }
  return WSAECONNREFUSED;
}

int SendRequest(SOCKET socket, const char* text, std::size_t length, const Deadline& deadline) {
  if (length > 0 && text == nullptr) return WSAEFAULT;
  std::size_t sent = 0;
  while (sent < length) {
    const std::size_t left = length - sent;
    const int chunk = left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(left);
    const int result = send(socket, text + sent, chunk, 0);
    if (result > 0) {
      sent += static_cast<std::size_t>(result);
      continue;
    }
    if (result == 0) return WSAECONNRESET;
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) return error;
    const Wait wait = WaitForSocket(socket, true, deadline);
    if (wait == Wait::kTimedOut) return WSAETIMEDOUT;
    if (wait == Wait::kFailed) return PendingError(socket);
  }
  return 0;
}

bool ReadStatusLine(SOCKET socket, const Deadline& deadline, std::string& line) {
  line.clear();
  char chunk[kStatusLineLimit];
  for (;;) {
    const std::size_t end = line.find('\n');
    if (end != std::string::npos || line.size() >= kStatusLineLimit) {
      line.resize(end != std::string::npos ? end : kStatusLineLimit);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    const int received = recv(socket, chunk, sizeof(chunk), 0);
    if (received > 0) {
      line.append(chunk, static_cast<std::size_t>(received));
      continue;
    }
    if (received == 0) return !line.empty();  // closed: what came is the line
    if (WSAGetLastError() != WSAEWOULDBLOCK) return !line.empty();
    if (WaitForSocket(socket, false, deadline) != Wait::kReady) return false;
  }
}
