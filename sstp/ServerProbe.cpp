// The local-server probe: a running mascot owns the named mutex "sakura" or
// "ssp". The probe opens it with the least right there is and closes it again
// at once. A mascot program that runs elevated creates its mutex at a higher
// integrity level; opening it from a normal program is then refused, and
// that refusal proves just as well that the mutex exists.
#include <windows.h>

#include "sstp/SstpTransport.h"

namespace {

constexpr const char* kServerMutexNames[] = {"sakura", "ssp"};

class MutexProbe {
 public:
  explicit MutexProbe(const char* name)
      : handle_(OpenMutexA(SYNCHRONIZE, FALSE, name)),
        refused_(handle_ == nullptr && GetLastError() == ERROR_ACCESS_DENIED) {}
  ~MutexProbe() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  MutexProbe(const MutexProbe&) = delete;
  MutexProbe& operator=(const MutexProbe&) = delete;

  bool exists() const { return handle_ != nullptr || refused_; }

 private:
  HANDLE handle_;
  bool refused_;
};

}  // namespace

bool SstpServerRunning() {
  for (const char* name : kServerMutexNames) {
    if (MutexProbe(name).exists()) return true;
  }
  return false;
}
