// Plays the mascot's SSTP server in the tests: a listener on 127.0.0.1 that
// accepts connections on a thread of its own and records the bytes of each
// until the client closes it. The named mutex of a running mascot is a
// separate object (NamedMutex), so that a test can have one without the other.
#pragma once

#include <winsock.h>
#include <windows.h>

#include <atomic>
#include <condition_variable>
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
  // True when no client has connected, nor is waiting to be accepted. The
  // plug-in connects and sends before its call returns, so right after the
  // call this tells whether it tried.
  bool NothingArrived();

 private:
  void Serve();

  SOCKET socket_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex lock_;  // guards accepting and the two records below
  std::condition_variable recorded_;
  int connections_ = 0;
  std::vector<std::string> requests_;
  std::thread thread_;
};
