// A loopback TCP server for the benchmark: accepts connections on a thread of
// its own, reads each one to its end and keeps the bytes of the last one.
#pragma once

#include <winsock.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

class SinkServer {
 public:
  SinkServer();
  ~SinkServer();
  SinkServer(const SinkServer&) = delete;
  SinkServer& operator=(const SinkServer&) = delete;

  bool listening() const { return socket_ != INVALID_SOCKET; }
  unsigned short port() const { return port_; }
  // Waits until `count` connections in all have been read to their end; the
  // bytes of the last one, or an empty text after the timeout.
  std::string WaitForConnection(long count, DWORD timeoutMs);

 private:
  void Serve();

  SOCKET socket_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex lock_;
  long served_ = 0;
  std::string last_;
  std::thread thread_;
};
