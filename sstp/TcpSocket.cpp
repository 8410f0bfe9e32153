#include "sstp/TcpSocket.h"

namespace {

constexpr int kShutdownBoth = 2;

}  // namespace

TcpSocket::~TcpSocket() {
  if (connected_) shutdown(handle_, kShutdownBoth);
  if (isOpen()) closesocket(handle_);
}
