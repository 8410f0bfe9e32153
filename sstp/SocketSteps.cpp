#include "sstp/SocketSteps.h"

#include <cstring>

#include "support/ShiftJis.h"

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

// A failed call's error; never 0, so that it cannot read as success.
int LastError() {
  const int error = WSAGetLastError();
  return error != 0 ? error : WSAEINVAL;
}

// Waits until the socket can be read (or, with `forWriting`, written): 0 when
// it can, WSAETIMEDOUT at the deadline, else select's error. The except set
// is left out: on a connected socket it only signals urgent data.
int WaitForSocket(SOCKET socket, bool forWriting, const Deadline& deadline) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(socket, &ready);
  timeval timeout = ToTimeval(deadline.Remaining());
  const int count = forWriting ? select(0, nullptr, &ready, nullptr, &timeout)
                               : select(0, &ready, nullptr, nullptr, &timeout);
  if (count == 0) return WSAETIMEDOUT;
  if (count < 0) return LastError();
  return 0;
}

// The longest start of `text` up to `limit` bytes that ends between
// characters: the answer is read as Shift-JIS whatever the system's code page.
std::size_t ShiftJisBoundary(const std::string& text, std::size_t limit) {
  std::size_t at = 0;
  while (at < limit) {
    const std::size_t next = at + (IsShiftJisLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1);
    if (next > limit) break;
    at = next;
  }
  return at;
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

int StartConnect(SOCKET socket, u_long address, unsigned short port) {
  sockaddr_in server;
  std::memset(&server, 0, sizeof(server));
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = address;
  if (!MakeNonBlocking(socket)) return LastError();
  if (connect(socket, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) == 0) return 0;
  return LastError();
}

void AwaitConnects(PendingConnect* connects, int count, int waitMs) {
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  for (int i = 0; i < count; ++i) {
    if (connects[i].state != WSAEWOULDBLOCK) continue;
    FD_SET(connects[i].socket, &writable);
    FD_SET(connects[i].socket, &failed);
  }
  if (writable.fd_count == 0) return;
  timeval timeout = ToTimeval(waitMs);
  const int ready = select(0, nullptr, &writable, &failed, &timeout);
  const int selectError = ready < 0 ? LastError() : 0;
  for (int i = 0; i < count; ++i) {
    PendingConnect& connect = connects[i];
    if (connect.state != WSAEWOULDBLOCK || ready == 0) continue;
    if (ready < 0) {
      connect.state = selectError;
    } else if (FD_ISSET(connect.socket, &writable)) {
      connect.state = PendingError(connect.socket);
    } else if (FD_ISSET(connect.socket, &failed)) {
      const int pending = PendingError(connect.socket);
      if (pending != 0) connect.state = pending;
    }
  }
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
    const int waitError = WaitForSocket(socket, true, deadline);
    if (waitError != 0) return waitError;
  }
  return 0;
}

bool ReadStatusLine(SOCKET socket, const Deadline& deadline, std::string& line) {
  line.clear();
  char chunk[kStatusLineLimit];
  for (;;) {
    const std::size_t end = line.find('\n');
    if (end != std::string::npos || line.size() >= kStatusLineLimit) {
      const std::size_t length = end != std::string::npos ? end : line.size();
      line.resize(length >= kStatusLineLimit ? ShiftJisBoundary(line, kStatusLineLimit) : length);
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
    if (WaitForSocket(socket, false, deadline) != 0) return false;
  }
}
