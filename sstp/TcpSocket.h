// Owns the socket of one SSTP exchange: shuts it down in both directions once
// it is connected and closes it, on every way out of the exchange.
#pragma once

#include <winsock.h>

class TcpSocket {
 public:
  // `handle` 0 means no socket (the socket step's failure value).
  explicit TcpSocket(SOCKET handle) : handle_(handle) {}
  ~TcpSocket() { Close(); }
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  SOCKET handle() const { return handle_; }
  bool isOpen() const { return handle_ != 0; }
  void MarkConnected() { connected_ = true; }
  // Closes the socket held so far and takes `handle` instead.
  void Reset(SOCKET handle) {
    Close();
    handle_ = handle;
  }

 private:
  void Close();

  SOCKET handle_;
  bool connected_ = false;
};
