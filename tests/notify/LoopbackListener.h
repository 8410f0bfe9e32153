// Plays the mascot's SSTP server in the tests: a listener on 127.0.0.1 that
// accepts connections on a thread of its own and records the bytes of each
// until the client closes it. The named mutex of a running mascot is a
// separate object (NamedMutex), so that a test can have one without the other.
#pragma once

#include <winsock.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "NamedMutex.h"

class LoopbackListener {
 public:
  // Port 0 picks a free port.
  explicit LoopbackListener(unsigned short port = 0);
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  bool listening() const { return socket_ != INVALID_SOCKET; }
  unsigned short port() const { return port_; }

  // The requests recorded so far, after waiting up to `timeoutMs` for at
  // least `count` of them.
  std::vector<std::string> WaitForRequests(size_t count, DWORD timeoutMs = 10000);
  // The requests recorded after a short grace period (for "nothing arrives").
  std::vector<std::string> RequestsAfterGrace();

 private:
  void Serve();

  SOCKET socket_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex lock_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
