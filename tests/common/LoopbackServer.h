// The mascot's side of the exchange for the tests: loopback listeners that
// record what arrives, and the named mutex a running mascot would own.
#pragma once

#include <winsock.h>
#include <windows.h>

#include <string>

#include "NamedMutex.h"

// Owns a socket and closes it.
class TestSocket {
 public:
  explicit TestSocket(SOCKET handle = INVALID_SOCKET) : handle_(handle) {}
  ~TestSocket() { Close(); }
  TestSocket(TestSocket&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_SOCKET; }
  TestSocket(const TestSocket&) = delete;
  TestSocket& operator=(const TestSocket&) = delete;
  TestSocket& operator=(TestSocket&&) = delete;

  SOCKET handle() const { return handle_; }
  bool isOpen() const { return handle_ != INVALID_SOCKET; }
  void Close();
  // Gives up ownership.
  SOCKET Release() {
    const SOCKET handle = handle_;
    handle_ = INVALID_SOCKET;
    return handle;
  }
  void Reset(SOCKET handle) {
    Close();
    handle_ = handle;
  }

 private:
  SOCKET handle_;
};

// A listening socket on address:port (port 0: any free port). Binding is
// retried for a while when another program holds the port.
class Listener {
 public:
  Listener(const char* address, unsigned short port, int backlog = 5);
  bool isListening() const { return socket_.isOpen(); }
  unsigned short port() const { return port_; }
  SOCKET handle() const { return socket_.handle(); }

  // True when a connection waits to be accepted within `waitMs`.
  bool HasPendingConnection(int waitMs) const;
  // The next connection, or a closed socket when none came within `waitMs`.
  TestSocket Accept(int waitMs) const;

 private:
  TestSocket socket_;
  unsigned short port_ = 0;
};

// What a connection delivered until the peer ended it (or `timeoutMs` passed).
struct Received {
  std::string bytes;
  bool sawEnd = false;  // end-of-stream: the client shut down or closed
};
Received ReadToEnd(SOCKET connection, int timeoutMs);

// A loopback port nobody listens on at the moment.
unsigned short FreeLoopbackPort();

// Connects without waiting for the handshake; the socket stays non-blocking.
TestSocket StartConnect(const char* address, unsigned short port);
// Waits until a connection begun by StartConnect is established.
bool WaitConnected(const TestSocket& connection, int waitMs);

bool MutexExists(const char* name);

// The value the next new socket gets. Closed socket values are handed out
// again first, so an unchanged value after an exchange shows it closed
// everything it opened (a leaked socket would keep its value taken).
SOCKET NextSocketValue();

// Milliseconds since `start` (a GetTickCount value).
inline DWORD MillisecondsSince(DWORD start) { return GetTickCount() - start; }
