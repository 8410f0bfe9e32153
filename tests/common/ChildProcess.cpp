#include "ChildProcess.h"

#include <cstdlib>

#include "TempFolder.h"

namespace {

constexpr int kPollPauseMs = 20;
constexpr char kListeningText[] = "listening on ";

}  // namespace

std::string BuiltMascotPath() { return WindowsPathOf(MASCOT_EXE_PATH); }

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE childOutput = nullptr;
  if (!CreatePipe(&outputPipe_, &childOutput, &inheritable, 0)) return;
  SetHandleInformation(outputPipe_, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = childOutput;
  startup.hStdError = childOutput;
  std::string commandLine = "\"" + program + "\" " + arguments;
  PROCESS_INFORMATION info = {};
  if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &info)) {
    process_ = info.hProcess;
    CloseHandle(info.hThread);
  }
  CloseHandle(childOutput);
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
  }
  if (outputPipe_ != nullptr) CloseHandle(outputPipe_);
}

void ChildProcess::ReadAvailable() {
  DWORD available = 0;
  while (PeekNamedPipe(outputPipe_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(outputPipe_, &chunk[0], available, &read, nullptr) || read == 0) return;
    output_.append(chunk.data(), read);
  }
}

bool ChildProcess::WaitForOutput(const std::string& text, int waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    ReadAvailable();
    if (output_.find(text) != std::string::npos) return true;
    if (GetTickCount() - start > static_cast<DWORD>(waitMs)) return false;
    Sleep(kPollPauseMs);
  }
}

bool ChildProcess::WaitForExit(int waitMs, DWORD& exitCode) {
  if (process_ == nullptr || WaitForSingleObject(process_, waitMs) != WAIT_OBJECT_0) return false;
  ReadAvailable();
  GetExitCodeProcess(process_, &exitCode);
  return true;
}

unsigned short MascotProcess::ListeningPort() const {
  const size_t line = output().find(kListeningText);
  if (line == std::string::npos) return 0;
  const size_t colon = output().find(':', line + sizeof(kListeningText) - 1);
  if (colon == std::string::npos) return 0;
  return static_cast<unsigned short>(std::atoi(output().c_str() + colon + 1));
}
