// The built mascot emulator run as a child process with its output captured;
// the child is ended by its handle when the object goes away.
#pragma once

#include <windows.h>

#include <string>

// Windows path of the mascot.exe that the build produced.
std::string BuiltMascotPath();

class MascotProcess {
 public:
  explicit MascotProcess(const std::string& arguments);
  ~MascotProcess();
  MascotProcess(const MascotProcess&) = delete;
  MascotProcess& operator=(const MascotProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  // Reads output until it holds `text`; false when that took over `waitMs`.
  bool WaitForOutput(const std::string& text, int waitMs);
  // True with the exit code when the child ended within `waitMs`.
  bool WaitForExit(int waitMs, DWORD& exitCode);
  // Everything read from the child's standard output and error so far.
  const std::string& output() const { return output_; }
  // The port named in the "listening on ADDR:PORT" line, 0 if none.
  unsigned short ListeningPort() const;

 private:
  void ReadAvailable();

  HANDLE process_ = nullptr;
  HANDLE outputPipe_ = nullptr;
  std::string output_;
};
