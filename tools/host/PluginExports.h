// The plug-in's two exports as the host calls them, and the plug-in DLL held
// loaded for the life of the object.
#pragma once

#include <windows.h>

#include <string>

using GetToolListFunction = INT32(WINAPI*)(INT32, void*);
using SstpNotifyFunction = INT32(WINAPI*)(HWND, void*, INT32, INT32, INT32);

class LoadedPlugin {
 public:
  explicit LoadedPlugin(const char* path) : module_(LoadLibraryA(path)) {}
  ~LoadedPlugin() { Unload(); }
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  bool loaded() const { return module_ != nullptr; }
  // Frees the DLL now; true when it was loaded and FreeLibrary succeeded.
  bool Unload() {
    const bool unloaded = module_ != nullptr && FreeLibrary(module_);
    module_ = nullptr;
    return unloaded;
  }
  // The full path of the DLL that was loaded (the search may find another
  // file of the same name first when the name has no directory).
  std::string path() const {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module_, buffer, MAX_PATH);
    return std::string(buffer, length < MAX_PATH ? length : 0);
  }
  GetToolListFunction GetToolList() const {
    return reinterpret_cast<GetToolListFunction>(GetProcAddress(module_, "GetToolList"));
  }
  SstpNotifyFunction SstpNotify() const {
    return reinterpret_cast<SstpNotifyFunction>(GetProcAddress(module_, "SSTPNotify"));
  }

 private:
  HMODULE module_;
};
