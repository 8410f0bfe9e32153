// Stands in for the mascot program: holds its named mutex, listens for SSTP
// requests on TCP, answers each one and prints it. See kMascotUsage.
#include <winsock.h>
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <string>

#include "ConsoleText.h"
#include "MascotOptions.h"
#include "RequestReader.h"

namespace {

constexpr WORD kWinsockVersion = 0x0101;
constexpr int kListenBacklog = 5;
constexpr int kShutdownBoth = 2;
constexpr char kAnswerBadRequest[] = "SSTP/1.4 400 Bad Request\r\n\r\n";
// Everyone may wait on the mutex, and do nothing else with it: how the mutex
// of a mascot program running as administrator looks to a normal program.
constexpr char kWaitOnlyDacl[] = "D:(A;;0x00100000;;;WD)";

class OwnedSocket {
 public:
  explicit OwnedSocket(SOCKET handle) : handle_(handle) {}
  ~OwnedSocket() {
    if (handle_ != INVALID_SOCKET) closesocket(handle_);
  }
  OwnedSocket(const OwnedSocket&) = delete;
  OwnedSocket& operator=(const OwnedSocket&) = delete;
  SOCKET handle() const { return handle_; }
  bool isOpen() const { return handle_ != INVALID_SOCKET; }

 private:
  SOCKET handle_;
};

// A security descriptor made from SDDL, freed with LocalFree.
class SecurityDescriptor {
 public:
  explicit SecurityDescriptor(const char* sddl) {
    ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor_,
                                                         nullptr);
  }
  ~SecurityDescriptor() {
    if (descriptor_ != nullptr) LocalFree(descriptor_);
  }
  SecurityDescriptor(const SecurityDescriptor&) = delete;
  SecurityDescriptor& operator=(const SecurityDescriptor&) = delete;
  PSECURITY_DESCRIPTOR get() const { return descriptor_; }

 private:
  PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

class HeldMutex {
 public:
  HeldMutex(const std::string& name, bool waitOnly)
      : waitOnly_(kWaitOnlyDacl),
        handle_(name.empty() ? nullptr : Create(name, waitOnly ? waitOnly_.get() : nullptr)),
        alreadyExisted_(handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {}
  ~HeldMutex() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  HeldMutex(const HeldMutex&) = delete;
  HeldMutex& operator=(const HeldMutex&) = delete;
  bool held() const { return handle_ != nullptr; }
  bool alreadyExisted() const { return alreadyExisted_; }

 private:
  static HANDLE Create(const std::string& name, PSECURITY_DESCRIPTOR descriptor) {
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), descriptor, FALSE};
    return CreateMutexA(descriptor != nullptr ? &attributes : nullptr, FALSE, name.c_str());
  }

  SecurityDescriptor waitOnly_;
  HANDLE handle_;
  bool alreadyExisted_;
};

class WinsockSession {
 public:
  WinsockSession() : started_(WSAStartup(kWinsockVersion, &data_) == 0) {}
  ~WinsockSession() {
    if (started_) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool started() const { return started_; }

 private:
  WSADATA data_;
  bool started_;
};

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string Describe(const sockaddr_in& address) {
  return std::string(inet_ntoa(address.sin_addr)) + ":" + std::to_string(ntohs(address.sin_port));
}

void AppendToFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) {
    PrintLine("cannot write " + path);
    return;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// Prints the request line by line, indented, as terminal text.
void PrintRequest(const std::string& bytes) {
  const std::string text = ToTerminalText(bytes, HeaderValue(bytes, "Charset"));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) PrintLine("  " + text.substr(start, end - start));
    start = end + 2;
  }
}

// Serves one connection; false when it brought no request at all.
bool ServeClient(SOCKET client, const sockaddr_in& peer, long number, const MascotOptions& options) {
  const ReceivedRequest request = ReadRequest(client, options.timeoutSeconds * 1000);
  if (request.bytes.empty()) {
    PrintLine(std::string("connection from ") + Describe(peer) + " brought no request" +
              (request.timedOut ? " (timed out)" : ""));
    return false;
  }
  if (!options.saveFile.empty()) AppendToFile(options.saveFile, request.bytes);
  PrintLine("request " + std::to_string(number) + " from " + Describe(peer) + ", " +
            std::to_string(request.bytes.size()) + " bytes" +
            (request.timedOut ? " (timed out before its empty line)" : "") +
            (request.tooLarge ? " (too large, cut off)" : "") + ":");
  PrintRequest(request.bytes);
  if (!request.complete || !IsWellFormedRequest(request.bytes)) {
    send(client, kAnswerBadRequest, sizeof(kAnswerBadRequest) - 1, 0);
    shutdown(client, kShutdownBoth);
    PrintLine("answered SSTP/1.4 400 Bad Request");
    return true;
  }
  const std::size_t last = options.answers.size() - 1;
  const Answer& answer = options.answers[static_cast<std::size_t>(number - 1) < last ? number - 1 : last];
  PrintLine(GiveAnswer(client, answer, options.delayMs, options.timeoutSeconds * 1000));
  return true;
}

int Serve(const MascotOptions& options) {
  const HeldMutex mutex(options.mutexName, options.elevated);
  if (!options.mutexName.empty()) {
    if (!mutex.held()) {
      PrintLine("cannot create the mutex \"" + options.mutexName + "\"");
      return 1;
    }
    if (mutex.alreadyExisted()) PrintLine("note: the mutex \"" + options.mutexName + "\" already existed");
  }

  OwnedSocket listener(socket(AF_INET, SOCK_STREAM, 0));
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(options.port));
  address.sin_addr.s_addr = inet_addr(options.bindAddress.c_str());
  if (address.sin_addr.s_addr == INADDR_NONE) {
    PrintLine("bad bind address " + options.bindAddress);
    return 2;
  }
  int size = sizeof(address);
  if (!listener.isOpen() ||
      bind(listener.handle(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listener.handle(), kListenBacklog) != 0 ||
      getsockname(listener.handle(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    PrintLine("cannot listen on " + options.bindAddress + ":" + std::to_string(options.port) +
              " (error " + std::to_string(WSAGetLastError()) + ")");
    return 1;
  }
  PrintLine("listening on " + Describe(address) + ", holding mutex " +
            (options.mutexName.empty() ? std::string("none") : "\"" + options.mutexName + "\"") +
            (options.elevated ? " (others may only wait on it)" : ""));

  long served = 0;
  while (options.count == 0 || served < options.count) {
    sockaddr_in peer = {};
    int peerSize = sizeof(peer);
    OwnedSocket client(accept(listener.handle(), reinterpret_cast<sockaddr*>(&peer), &peerSize));
    if (!client.isOpen()) {
      PrintLine("accept failed (error " + std::to_string(WSAGetLastError()) + ")");
      return 1;
    }
    if (ServeClient(client.handle(), peer, served + 1, options)) ++served;
  }
  PrintLine("served " + std::to_string(served) + " request(s), stopping");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  MascotOptions options;
  std::string error;
  if (!ParseMascotOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "mascot: %s\n\n%s", error.c_str(), kMascotUsage);
    return 2;
  }
  if (options.showHelp) {
    std::fputs(kMascotUsage, stdout);
    return 0;
  }
  const WinsockSession winsock;
  if (!winsock.started()) {
    PrintLine("cannot start Windows Sockets");
    return 1;
  }
  return Serve(options);
}
