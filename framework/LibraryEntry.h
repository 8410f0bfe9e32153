// The library's attach and detach handling around the application object:
// called by the library entry point after the runtime has constructed the
// static objects, before it destroys them.
#pragma once

#include <windows.h>

BOOL HandleLibraryEntry(HINSTANCE library, DWORD reason, void* reserved);
