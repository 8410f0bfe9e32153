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

  // Nothing thrown may reach the loader; a start-up that raised fails the load.
  try {
    return application->Startup() != 0 ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

BOOL HandleLibraryEntry(HINSTANCE library, DWORD reason, void*) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      return AttachProcess(library);
    case DLL_PROCESS_DETACH:
      if (Application* application = Application::Instance()) {
        try {
          application->Shutdown();
        } catch (...) {
        }
      }
      return TRUE;
    default:
      return TRUE;
  }
}
