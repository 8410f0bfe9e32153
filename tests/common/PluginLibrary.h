// The real built plug-in DLL, copied into a fresh folder (so that its INI and
// report land there) and loaded with LoadLibraryA; freed on destruction.
#pragma once

#include <windows.h>

#include <string>

#include "TempFolder.h"

// Windows path of the DLL that the build produced.
std::string BuiltPluginPath();

class PluginLibrary {
 public:
  using GetToolListFunction = INT32(WINAPI*)(INT32, void*);
  using SstpNotifyFunction = INT32(WINAPI*)(HWND, void*, INT32, INT32, INT32);

  // Copies the DLL into `folder` under `fileName`; `iniBytes`, when given, is
  // written beside it first. Loads it; `handle()` is null when that failed.
  explicit PluginLibrary(const TempFolder& folder, const std::string& fileName = "sstpnotify.dll",
                         const std::string* iniBytes = nullptr);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  HMODULE handle() const { return module_; }
  const std::string& path() const { return path_; }
  // Unloads now (idempotent).
  void Free();

  GetToolListFunction GetToolList() const;
  SstpNotifyFunction SstpNotify() const;

 private:
  std::string path_;
  HMODULE module_ = nullptr;
};
