#include "SinkServer.h"

namespace {

constexpr long kPollMicroseconds = 20000;
constexpr int kBacklog = 8;
constexpr int kChunk = 1 << 16;

bool Readable(SOCKET socket) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait = {0, kPollMicroseconds};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}  // namespace

SinkServer::SinkServer() {
  socket_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  int size = sizeof(address);
  if (socket_ == INVALID_SOCKET ||
      bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(socket_, kBacklog) != 0 ||
      getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

SinkServer::~SinkServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
}

void SinkServer::Serve() {
  std::string chunk(kChunk, '\0');
  while (!stopping_) {
    if (!Readable(socket_)) continue;
    const SOCKET client = accept(socket_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    std::string bytes;
    while (!stopping_) {
      if (!Readable(client)) continue;
      const int received = recv(client, &chunk[0], kChunk, 0);
      if (received <= 0) break;
      bytes.append(chunk, 0, received);
    }
    closesocket(client);
    std::lock_guard<std::mutex> guard(lock_);
    last_ = std::move(bytes);
    ++served_;
  }
}

std::string SinkServer::WaitForConnection(long count, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (served_ >= count) return last_;
    }
    if (GetTickCount() - start >= timeoutMs) return std::string();
    Sleep(1);
  }
}
