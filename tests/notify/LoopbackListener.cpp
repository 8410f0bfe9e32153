#include "LoopbackListener.h"

namespace {

constexpr long kPollMicroseconds = 50000;
constexpr int kBacklog = 8;
constexpr size_t kChunk = 65536;

bool Readable(SOCKET socket, long waitMicroseconds = kPollMicroseconds) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait = {0, waitMicroseconds};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}  // namespace

LoopbackListener::LoopbackListener(unsigned short port) {
  socket_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
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

LoopbackListener::~LoopbackListener() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
}

void LoopbackListener::Serve() {
  while (!stopping_) {
    if (!Readable(socket_)) continue;
    SOCKET client;
    {
      std::lock_guard<std::mutex> guard(lock_);
      client = accept(socket_, nullptr, nullptr);
      if (client == INVALID_SOCKET) continue;
      ++connections_;
    }
    std::string bytes;
    std::string chunk(kChunk, '\0');
    while (!stopping_) {
      if (!Readable(client)) continue;
      const int received = recv(client, &chunk[0], static_cast<int>(chunk.size()), 0);
      if (received <= 0) break;
      bytes.append(chunk, 0, received);
    }
    closesocket(client);
    std::lock_guard<std::mutex> guard(lock_);
    requests_.push_back(std::move(bytes));
    recorded_.notify_all();
  }
}

std::vector<std::string> LoopbackListener::WaitForRequests(size_t count, DWORD timeoutMs) {
  std::unique_lock<std::mutex> guard(lock_);
  recorded_.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                     [&] { return requests_.size() >= count; });
  return requests_;
}

bool LoopbackListener::NothingArrived() {
  std::lock_guard<std::mutex> guard(lock_);
  return connections_ == 0 && !Readable(socket_, 0);
}
