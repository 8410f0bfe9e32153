// The library entry and the plug-in's one application object. This file goes
// into the DLL only; test programs bring their own application object.
#include <windows.h>

#include "framework/LibraryEntry.h"
#include "settings/PluginApplication.h"

// Constructed before every other static object of the library.
static PluginApplication application __attribute__((init_priority(101)));

extern "C" BOOL WINAPI DllMain(HINSTANCE library, DWORD reason, LPVOID reserved) {
  return HandleLibraryEntry(library, reason, reserved);
}
