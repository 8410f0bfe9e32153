// A program of the build run as a child process with its output captured; the
// child is ended by its handle when the object goes away. MascotProcess runs
// the mascot emulator.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::string& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  // Reads output until it holds `text`; false when that took over `waitMs`.
  bool WaitForOutput(const std::string& text, int waitMs);
  // True with the exit code when the child ended within `waitMs`.
  bool WaitForExit(int waitMs, DWORD& exitCode);
  // Everything read from the child's standard output and error so far.
  const std::string& output() const { return output_; }

 private:
  void ReadAvailable();

  HANDLE process_ = nullptr;
  HANDLE outputPipe_ = nullptr;
  std::string output_;
};

// Windows path of the mascot.exe that the build produced.
std::string BuiltMascotPath();

class MascotProcess : public ChildProcess {
 public:
  explicit MascotProcess(const std::string& arguments)
      : ChildProcess(BuiltMascotPath(), arguments) {}
  // The port named in the "listening on ADDR:PORT" line, 0 if none.
  unsigned short ListeningPort() const;
};
