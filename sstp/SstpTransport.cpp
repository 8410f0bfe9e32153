#include "sstp/SstpTransport.h"

#include <cstring>
#include <string>

#include "sstp/SocketSteps.h"
#include "sstp/TcpSocket.h"

namespace {

constexpr WORD kWinsockVersion = 0x0101;
constexpr char kLocalAddress[] = "127.0.0.1";
constexpr char kLoopbackHostName[] = "localhost";

}  // namespace

bool StartWinsock() {
  WSADATA data;
  return WSAStartup(kWinsockVersion, &data) == 0;
}

bool IsProbedLocalHost(const char* host) {
  return host == nullptr || *host == '\0' || std::strcmp(host, kLocalAddress) == 0 ||
         std::strcmp(host, kLoopbackHostName) == 0;
}

unsigned short SstpPortInUse(int port) {
  return static_cast<unsigned short>(port == 0 ? kSstpFallbackPort : port);
}

bool SstpExchange(const char* host, int port, const char* request, std::size_t length) {
  if (IsProbedLocalHost(host) && !SstpServerRunning()) return false;
  const std::string hostInUse = (host != nullptr && *host != '\0') ? host : kLocalAddress;

  TcpSocket socket(OpenTcpSocket());
  if (!socket.isOpen()) return false;
  const u_long address = ResolveHost(hostInUse.c_str());
  if (address == 0) return false;
  if (!ConnectSocket(socket.handle(), address, SstpPortInUse(port))) return false;
  socket.MarkConnected();
  return SendRequest(socket.handle(), request, length);
}
