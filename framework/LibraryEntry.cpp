#include "framework/LibraryEntry.h"

#include "framework/Application.h"
#include "support/ModuleHandles.h"
#include "support/WindowsVersion.h"

namespace {

BOOL AttachProcess(HINSTANCE library) {
  Application* application = Application::Instance();
  if (application == nullptr) return FALSE;

  if (IsWindows95() == 1) {
    wheelMessage = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  }

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);

  application->instance = library;
  application->commandLine.clear();
  application->showCommand = startup.wShowWindow;
  SetResourceHandle(library);

  return application->Startup() != 0 ? TRUE : FALSE;
}

}  // namespace

BOOL HandleLibraryEntry(HINSTANCE library, DWORD reason, void*) {
  // Nothing may be thrown into the loader: a start-up that ran out of memory
  // fails the load instead.
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH:
        return AttachProcess(library);
      case DLL_PROCESS_DETACH:
        if (Application* application = Application::Instance()) {
          application->Shutdown();
        }
        return TRUE;
      default:
        return TRUE;
    }
  } catch (...) {
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
  }
}
