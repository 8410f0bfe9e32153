// The local-server probe: a running mascot owns the named mutex "sakura" or
// "ssp". The probe opens it and closes it again at once.
#include <windows.h>

#include "sstp/SstpTransport.h"

namespace {

constexpr DWORD kMutexAllAccess = 0x1F0001;
constexpr const char* kServerMutexNames[] = {"sakura", "ssp"};

class MutexProbe {
 public:
  explicit MutexProbe(const char* name) : handle_(OpenMutexA(kMutexAllAccess, FALSE, name)) {}
  ~MutexProbe() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  MutexProbe(const MutexProbe&) = delete;
  MutexProbe& operator=(const MutexProbe&) = delete;

  bool exists() const { return handle_ != nullptr; }

 private:
  HANDLE handle_;
};

}  // namespace

bool SstpServerRunning() {
  for (const char* name : kServerMutexNames) {
    if (MutexProbe(name).exists()) return true;
  }
  return false;
}
