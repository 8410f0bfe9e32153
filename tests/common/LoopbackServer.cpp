#include "LoopbackServer.h"

#include <cstring>

namespace {

constexpr int kBindRetryMs = 30000;
constexpr int kBindRetryPauseMs = 250;
constexpr int kReceiveChunk = 65536;

sockaddr_in MakeAddress(const char* address, unsigned short port) {
  sockaddr_in result;
  std::memset(&result, 0, sizeof(result));
  result.sin_family = AF_INET;
  result.sin_port = htons(port);
  result.sin_addr.s_addr = inet_addr(address);
  return result;
}

// Waits until `socket` can be read (or, with `writable`, written).
bool WaitReady(SOCKET socket, int waitMs, bool writable = false) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(socket, &ready);
  timeval timeout = {waitMs / 1000, (waitMs % 1000) * 1000};
  return select(0, writable ? nullptr : &ready, writable ? &ready : nullptr, nullptr, &timeout) > 0;
}

}  // namespace

void TestSocket::Close() {
  if (handle_ != INVALID_SOCKET) closesocket(handle_);
  handle_ = INVALID_SOCKET;
}

Listener::Listener(const char* address, unsigned short port, int backlog) {
  const sockaddr_in local = MakeAddress(address, port);
  const DWORD start = GetTickCount();
  for (;;) {
    TestSocket candidate(socket(AF_INET, SOCK_STREAM, 0));
    if (bind(candidate.handle(), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) == 0 &&
        listen(candidate.handle(), backlog) == 0) {
      sockaddr_in bound;
      int size = sizeof(bound);
      getsockname(candidate.handle(), reinterpret_cast<sockaddr*>(&bound), &size);
      port_ = ntohs(bound.sin_port);
      socket_.Reset(candidate.Release());
      return;
    }
    if (port == 0 || MillisecondsSince(start) > kBindRetryMs) return;
    Sleep(kBindRetryPauseMs);
  }
}

bool Listener::HasPendingConnection(int waitMs) const { return WaitReady(handle(), waitMs); }

TestSocket Listener::Accept(int waitMs) const {
  if (!WaitReady(handle(), waitMs)) return TestSocket();
  return TestSocket(accept(handle(), nullptr, nullptr));
}

Received ReadToEnd(SOCKET connection, int timeoutMs) {
  Received received;
  const DWORD start = GetTickCount();
  std::string chunk(kReceiveChunk, '\0');
  while (MillisecondsSince(start) < static_cast<DWORD>(timeoutMs)) {
    if (!WaitReady(connection, timeoutMs - static_cast<int>(MillisecondsSince(start)))) break;
    const int count = recv(connection, &chunk[0], kReceiveChunk, 0);
    if (count <= 0) {
      received.sawEnd = count == 0;
      break;
    }
    received.bytes.append(chunk.data(), static_cast<size_t>(count));
  }
  return received;
}

unsigned short FreeLoopbackPort() {
  const Listener probe("127.0.0.1", 0);
  return probe.port();
}

TestSocket StartConnect(const char* address, unsigned short port) {
  TestSocket connection(socket(AF_INET, SOCK_STREAM, 0));
  u_long nonBlocking = 1;
  ioctlsocket(connection.handle(), FIONBIO, &nonBlocking);
  const sockaddr_in remote = MakeAddress(address, port);
  connect(connection.handle(), reinterpret_cast<const sockaddr*>(&remote), sizeof(remote));
  return connection;
}

bool WaitConnected(const TestSocket& connection, int waitMs) {
  return WaitReady(connection.handle(), waitMs, true);
}

bool MutexExists(const char* name) {
  HANDLE handle = OpenMutexA(SYNCHRONIZE, FALSE, name);
  if (handle == nullptr) return false;
  CloseHandle(handle);
  return true;
}

SOCKET NextSocketValue() {
  const TestSocket probe(socket(AF_INET, SOCK_STREAM, 0));
  return probe.handle();
}
