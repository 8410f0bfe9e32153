#include "RequestReader.h"

#include <cctype>

namespace {

constexpr char kEndOfRequest[] = "\r\n\r\n";
constexpr char kLineEnd[] = "\r\n";
constexpr char kProtocol[] = " SSTP/";
constexpr std::size_t kReceiveChunk = 4096;

bool WaitReadable(SOCKET client, DWORD start, int timeoutMilliseconds) {
  const DWORD elapsed = GetTickCount() - start;
  if (elapsed >= static_cast<DWORD>(timeoutMilliseconds)) return false;
  const int left = timeoutMilliseconds - static_cast<int>(elapsed);
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(client, &readable);
  timeval timeout = {left / 1000, (left % 1000) * 1000};
  return select(0, &readable, nullptr, nullptr, &timeout) > 0;
}

bool IsVersion(const std::string& text) {
  const std::size_t dot = text.find('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != dot && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

bool IsRequestLine(const std::string& line) {
  const std::size_t protocol = line.find(kProtocol);
  if (protocol == std::string::npos || protocol == 0) return false;
  for (std::size_t i = 0; i < protocol; ++i) {
    if (!std::isupper(static_cast<unsigned char>(line[i]))) return false;
  }
  return IsVersion(line.substr(protocol + sizeof(kProtocol) - 1));
}

}  // namespace

ReceivedRequest ReadRequest(SOCKET client, int timeoutMilliseconds) {
  ReceivedRequest request;
  const DWORD start = GetTickCount();
  char chunk[kReceiveChunk];
  for (;;) {
    if (!WaitReadable(client, start, timeoutMilliseconds)) {
      request.timedOut = true;
      return request;
    }
    const int received = recv(client, chunk, sizeof(chunk), 0);
    if (received <= 0) return request;  // closed or failed before the empty line
    const std::size_t searchFrom = request.bytes.size() < 3 ? 0 : request.bytes.size() - 3;
    request.bytes.append(chunk, static_cast<std::size_t>(received));
    const std::size_t end = request.bytes.find(kEndOfRequest, searchFrom);
    if (end != std::string::npos) {
      request.bytes.resize(end + sizeof(kEndOfRequest) - 1);
      request.complete = true;
      return request;
    }
    if (request.bytes.size() > kMaxRequestBytes) {
      request.tooLarge = true;
      return request;
    }
  }
}

bool IsWellFormedRequest(const std::string& bytes) {
  std::size_t lineStart = 0;
  bool first = true;
  for (;;) {
    const std::size_t lineEnd = bytes.find(kLineEnd, lineStart);
    if (lineEnd == std::string::npos) return false;
    const std::string line = bytes.substr(lineStart, lineEnd - lineStart);
    if (line.empty()) return !first && lineEnd + 2 == bytes.size();
    if (first) {
      if (!IsRequestLine(line)) return false;
      first = false;
    } else {
      const std::size_t colon = line.find(": ");
      if (colon == std::string::npos || colon == 0) return false;
    }
    lineStart = lineEnd + 2;
  }
}

std::string HeaderValue(const std::string& bytes, const std::string& name) {
  const std::string field = kLineEnd + name + ": ";
  const std::size_t start = bytes.find(field);
  if (start == std::string::npos) return std::string();
  const std::size_t valueStart = start + field.size();
  const std::size_t valueEnd = bytes.find(kLineEnd, valueStart);
  return bytes.substr(valueStart, valueEnd == std::string::npos ? std::string::npos
                                                                : valueEnd - valueStart);
}
