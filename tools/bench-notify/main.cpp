// Measures a notification call of the real plug-in DLL against the least any
// implementation must do: write the same report bytes with one WriteFile and
// send the same request with one send on a fresh loopback connection. More
// DLLs (an earlier build, say) are measured in the same rounds, turn about,
// so that the machine's load weighs on each alike.
//
//   bench-notify <path\to\sstpnotify.dll> [<path\to\other.dll>...]
#include <winsock.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BenchedPlugin.h"
#include "SinkServer.h"
#include "plugin/ToolItem.h"

namespace {

constexpr int kItemCounts[] = {10, 1000, 10000};
constexpr int kTextBytes = 60;
constexpr DWORD kReceiveTimeoutMs = 30000;
constexpr double kMillisecondsPerSecond = 1000.0;

int Repetitions(int items) { return items <= 10 ? 101 : items <= 1000 ? 41 : 21; }

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

// FNV-1a, to show at a glance whether two DLLs wrote the same bytes.
unsigned Checksum(const std::string& bytes) {
  unsigned hash = 2166136261u;
  for (const char byte : bytes) hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
  return hash;
}

std::string MakeFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  const std::string folder = std::string(base) + "bench-notify-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// The figures of one DLL at one list length.
struct Measurement {
  std::vector<double> notifyTimes;
  std::vector<double> baselineTimes;
  std::string report;
  std::string request;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-notify <path\\to\\sstpnotify.dll> [<other.dll>...]\n");
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

  // Each DLL in a folder of its own, with an INI that points it at the server.
  const std::string folder = MakeFolder();
  std::vector<std::unique_ptr<BenchedPlugin>> plugins;
  for (int i = 1; i < argc; ++i) {
    plugins.push_back(std::make_unique<BenchedPlugin>(
        argv[i], folder + "\\dll" + std::to_string(i), server.port()));
    if (!plugins.back()->loaded()) {
      std::fprintf(stderr, "cannot load SSTPNotify from a copy of %s\n", argv[i]);
      return 1;
    }
    std::printf("dll %d: %s\n", i, argv[i]);
  }

  std::printf("%8s %4s %12s %12s %8s %12s %12s %9s %9s\n", "items", "dll", "notify ms",
              "baseline ms", "ratio", "report B", "request B", "report#", "request#");
  long connections = 0;
  int status = 0;
  for (int count : kItemCounts) {
    BenchItems items(count);
    std::vector<Measurement> measured(plugins.size());
    for (int round = 0; round < Repetitions(count); ++round) {
      for (size_t i = 0; i < plugins.size(); ++i) {
        const BenchedPlugin& plugin = *plugins[i];
        Measurement& measurement = measured[i];
        const Stopwatch notify;
        plugin.Notify(items.data(), items.count());
        measurement.notifyTimes.push_back(notify.Milliseconds());
        measurement.request = server.WaitForConnection(++connections, kReceiveTimeoutMs);
        measurement.report = ReadBytes(plugin.reportPath());

        const Stopwatch baseline;
        Baseline(plugin.scratchPath(), measurement.report, server.port(), measurement.request);
        measurement.baselineTimes.push_back(baseline.Milliseconds());
        if (server.WaitForConnection(++connections, kReceiveTimeoutMs) != measurement.request) {
          status = 1;
        }
      }
    }
    for (size_t i = 0; i < plugins.size(); ++i) {
      const Measurement& measurement = measured[i];
      if (measurement.request.empty() || measurement.report.empty()) status = 1;
      const double notifyMs = Median(measurement.notifyTimes);
      const double baselineMs = Median(measurement.baselineTimes);
      std::printf("%8d %4zu %12.3f %12.3f %8.2f %12zu %12zu  %08x  %08x\n", count, i + 1, notifyMs,
                  baselineMs, notifyMs / baselineMs, measurement.report.size(),
                  measurement.request.size(), Checksum(measurement.report),
                  Checksum(measurement.request));
    }
    std::fflush(stdout);
  }
  if (status != 0) std::printf("a plug-in's request or report did not arrive whole\n");

  plugins.clear();
  RemoveDirectoryA(folder.c_str());
  WSACleanup();
  return status;
}
