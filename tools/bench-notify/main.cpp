// Measures a notification call of the real plug-in DLL against the least any
// implementation must do: write the same report bytes with one WriteFile and
// send the same request with one send on a fresh loopback connection.
//
//   bench-notify <path\to\sstpnotify.dll>
#include <winsock.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SinkServer.h"
#include "plugin/ToolItem.h"

namespace {

using SstpNotifyFunction = INT32(WINAPI*)(HWND, void*, INT32, INT32, INT32);

constexpr int kItemCounts[] = {10, 1000, 10000};
constexpr int kTextBytes = 60;
constexpr INT32 kNotifyCall = 1;
constexpr INT32 kAutomaticItemCheck = 0x11;
constexpr DWORD kReceiveTimeoutMs = 30000;
constexpr double kMillisecondsPerSecond = 1000.0;

int Repetitions(int items) { return items <= 10 ? 100 : items <= 1000 ? 40 : 11; }

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (now.QuadPart - start_.QuadPart) * kMillisecondsPerSecond / frequency_.QuadPart;
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

class HeldMutex {
 public:
  explicit HeldMutex(const char* name) : handle_(CreateMutexA(nullptr, FALSE, name)) {}
  ~HeldMutex() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  HeldMutex(const HeldMutex&) = delete;
  HeldMutex& operator=(const HeldMutex&) = delete;

 private:
  HANDLE handle_;
};

// `count` items whose title and text are 60 bytes of Shift-JIS each.
class BenchItems {
 public:
  explicit BenchItems(int count) : texts_(count * 3), records_(count), pointers_(count) {
    const std::string japanese = "\x8D\x58\x90\x56\x82\xB3\x82\xEA\x82\xBD";  // "更新された"
    for (int i = 0; i < count; ++i) {
      std::string& title = texts_[i * 3];
      std::string& info = texts_[i * 3 + 1];
      std::string& url = texts_[i * 3 + 2];
      title = "Page " + std::to_string(i) + " ";
      while (title.size() + japanese.size() <= kTextBytes) title += japanese;
      title.resize(kTextBytes, '#');
      info = std::string(kTextBytes - 10, 'i') + japanese;
      url = "http://example.jp/pages/" + std::to_string(i);
      records_[i] = ToolItem();
      records_[i].Title = title.c_str();
      records_[i].Info = info.c_str();
      records_[i].Url = url.c_str();
      pointers_[i] = &records_[i];
    }
  }
  void* data() { return pointers_.data(); }
  int count() const { return static_cast<int>(pointers_.size()); }

 private:
  std::vector<std::string> texts_;
  std::vector<ToolItem> records_;
  std::vector<ToolItem*> pointers_;
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// One WriteFile of the report and one send of the request on a new connection.
void Baseline(const std::string& reportPath, const std::string& report, unsigned short port,
              const std::string& request) {
  const HANDLE file = CreateFileA(reportPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  CloseHandle(file);

  const SOCKET client = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  connect(client, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  send(client, request.data(), static_cast<int>(request.size()), 0);
  shutdown(client, 2);
  closesocket(client);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string MakeFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  const std::string folder = std::string(base) + "bench-notify-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-notify <path\\to\\sstpnotify.dll>\n");
    return 2;
  }
  WSADATA winsock;
  WSAStartup(MAKEWORD(1, 1), &winsock);
  SinkServer server;
  if (!server.listening()) {
    std::fprintf(stderr, "cannot listen on loopback\n");
    return 1;
  }
  const HeldMutex mascot("sakura");

  // The DLL in a fresh folder, with an INI that points it at the server.
  const std::string folder = MakeFolder();
  const std::string dll = folder + "\\sstpnotify.dll";
  const std::string reportPath = folder + "\\sstpnotify.htm";
  const std::string baselinePath = folder + "\\baseline.htm";
  if (!CopyFileA(argv[1], dll.c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy %s\n", argv[1]);
    return 1;
  }
  const std::string ini = "[SSTP]\r\nSSTPPort=" + std::to_string(server.port()) + "\r\n";
  std::ofstream(folder + "\\sstpnotify.ini", std::ios::binary) << ini;
  const HMODULE plugin = LoadLibraryA(dll.c_str());
  const auto sstpNotify =
      reinterpret_cast<SstpNotifyFunction>(GetProcAddress(plugin, "SSTPNotify"));
  if (sstpNotify == nullptr) {
    std::fprintf(stderr, "cannot load SSTPNotify from %s\n", dll.c_str());
    return 1;
  }

  std::printf("%8s %12s %12s %8s %12s %12s\n", "items", "notify ms", "baseline ms", "ratio",
              "report B", "request B");
  long connections = 0;
  int status = 0;
  for (int count : kItemCounts) {
    BenchItems items(count);
    std::vector<double> notifyTimes;
    std::vector<double> baselineTimes;
    std::string report;
    std::string request;
    for (int round = 0; round < Repetitions(count); ++round) {
      const Stopwatch notify;
      sstpNotify(nullptr, items.data(), items.count(), kNotifyCall, kAutomaticItemCheck);
      notifyTimes.push_back(notify.Milliseconds());
      request = server.WaitForConnection(++connections, kReceiveTimeoutMs);
      report = ReadBytes(reportPath);

      const Stopwatch baseline;
      Baseline(baselinePath, report, server.port(), request);
      baselineTimes.push_back(baseline.Milliseconds());
      if (server.WaitForConnection(++connections, kReceiveTimeoutMs) != request) status = 1;
    }
    if (request.empty() || report.empty()) status = 1;
    const double notifyMs = Median(notifyTimes);
    const double baselineMs = Median(baselineTimes);
    std::printf("%8d %12.3f %12.3f %8.2f %12zu %12zu\n", count, notifyMs, baselineMs,
                notifyMs / baselineMs, report.size(), request.size());
    std::fflush(stdout);
  }
  if (status != 0) std::printf("the plug-in's request or report did not arrive whole\n");

  FreeLibrary(plugin);
  DeleteFileA(reportPath.c_str());
  DeleteFileA(baselinePath.c_str());
  DeleteFileA((folder + "\\sstpnotify.ini").c_str());
  DeleteFileA(dll.c_str());
  RemoveDirectoryA(folder.c_str());
  WSACleanup();
  return status;
}
