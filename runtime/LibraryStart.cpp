// The DLL's entry point: constructs the static objects before the library's
// own DllMain sees the attach, and destroys them after it has seen the detach.
#include <windows.h>

#include "runtime/StaticObjects.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE library, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI LibraryStart(HINSTANCE library, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) ConstructStaticObjects();
  const BOOL result = DllMain(library, reason, reserved);
  // After a failed attach the objects go at once; the detach call that
  // Windows NT makes then finds nothing left to destroy.
  if (reason == DLL_PROCESS_DETACH || (reason == DLL_PROCESS_ATTACH && !result)) {
    DestroyStaticObjects();
  }
  return result;
}
