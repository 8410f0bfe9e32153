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
}
