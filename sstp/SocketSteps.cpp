#include "sstp/SocketSteps.h"

#include <cstring>

namespace {

// A point in time a bounded wait must not pass.
class Deadline {
 public:
  explicit Deadline(int milliseconds) : start_(GetTickCount()), length_(milliseconds) {}
  // Milliseconds left, 0 once passed.
  int Remaining() const {
    const DWORD elapsed = GetTickCount() - start_;
    return elapsed >= static_cast<DWORD>(length_) ? 0 : length_ - static_cast<int>(elapsed);
  }

 private:
  DWORD start_;
  int length_;
};

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

// Waits until the socket can be written to; false on time-out or when the
// socket reports an error (a failed connect lands in the except set).
bool WaitWritable(SOCKET socket, const Deadline& deadline) {
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(socket, &writable);
  FD_SET(socket, &failed);
  timeval timeout = ToTimeval(deadline.Remaining());
  if (select(0, nullptr, &writable, &failed, &timeout) <= 0) return false;
  if (FD_ISSET(socket, &failed)) return false;
  return FD_ISSET(socket, &writable) != 0;
}

bool HasPendingError(SOCKET socket) {
  int error = 0;
  int size = sizeof(error);
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) ==
      SOCKET_ERROR) {
    return true;
  }
  return error != 0;
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

bool ConnectSocket(SOCKET socket, u_long address, unsigned short port) {
  sockaddr_in server;
  std::memset(&server, 0, sizeof(server));
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = address;
  if (!MakeNonBlocking(socket)) return false;
  const Deadline deadline(kConnectTimeoutMs);
  if (connect(socket, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) == 0) {
    return true;
  }
  if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
  return WaitWritable(socket, deadline) && !HasPendingError(socket);
}

bool SendRequest(SOCKET socket, const char* text, std::size_t length) {
  if (length > 0 && text == nullptr) return false;
  const Deadline deadline(kSendTimeoutMs);
  std::size_t sent = 0;
  while (sent < length) {
    const std::size_t left = length - sent;
    const int chunk = left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(left);
    const int result = send(socket, text + sent, chunk, 0);
    if (result > 0) {
      sent += static_cast<std::size_t>(result);
      continue;
    }
    if (result == 0) return false;
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    if (!WaitWritable(socket, deadline)) return false;
  }
  return true;
}
