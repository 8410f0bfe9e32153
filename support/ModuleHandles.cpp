#include "support/ModuleHandles.h"

namespace {

HINSTANCE windowModule = nullptr;
HINSTANCE resourceModule = nullptr;

}  // namespace

void SetModuleHandles(HINSTANCE handle) {
  if (handle == nullptr) handle = GetModuleHandleA(nullptr);
  windowModule = handle;
  resourceModule = handle;
}

void SetResourceHandle(HINSTANCE handle) { resourceModule = handle; }

HINSTANCE windowInstance() { return windowModule; }
HINSTANCE resourceInstance() { return resourceModule; }
