// Windows Sockets 1.1 for the length of one exchange. The library itself
// never starts them: WSAStartup may load other libraries, which must not
// happen under the loader lock of the library's attach step. Start-ups are
// counted by the system, so a host that uses sockets itself is not disturbed.
#pragma once

#include <winsock.h>

class WinsockSession {
 public:
  WinsockSession() : error_(WSAStartup(kVersion, &data_)) {}
  ~WinsockSession() {
    if (error_ == 0) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;

  bool started() const { return error_ == 0; }
  int error() const { return error_; }

 private:
  static constexpr WORD kVersion = 0x0101;
  WSADATA data_;
  int error_;
};
