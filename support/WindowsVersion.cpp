#include "support/WindowsVersion.h"

#include <windows.h>

namespace {

bool versionTestDone = false;
int versionTestResult = 0;

constexpr DWORD kWindows9xPlatform = 1;  // VER_PLATFORM_WIN32_WINDOWS

}  // namespace

int IsWindows95() {
  if (versionTestDone) return versionTestResult;

  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExA(&version)) return 0;

  // On the 9x platform the minor version repeats in bits 16 to 23 of the build.
  const DWORD minorInBuild = (version.dwBuildNumber >> 16) & 0xFF;
  versionTestResult =
      (version.dwPlatformId == kWindows9xPlatform && minorInBuild == 0) ? 1 : 0;
  versionTestDone = true;
  return versionTestResult;
}
