#include "sstp/TcpSocket.h"

namespace {

constexpr int kShutdownBoth = 2;

}  // namespace

void TcpSocket::Close() {
  if (connected_) shutdown(handle_, kShutdownBoth);
  if (isOpen()) closesocket(handle_);
  handle_ = 0;
  connected_ = false;
}
