#include "PluginLibrary.h"

std::string BuiltPluginPath() { return WindowsPathOf(PLUGIN_DLL_PATH); }

PluginLibrary::PluginLibrary(const TempFolder& folder, const std::string& fileName,
                             const std::string* iniBytes)
    : path_(folder.File(fileName)) {
  if (iniBytes != nullptr) {
    const std::string dll = path_;
    const size_t dot = dll.rfind('.');
    const std::string ini = (dot == std::string::npos ? dll : dll.substr(0, dot)) + ".ini";
    WriteFileBytes(ini, *iniBytes);
  }
  if (CopyFileA(BuiltPluginPath().c_str(), path_.c_str(), FALSE)) {
    module_ = LoadLibraryA(path_.c_str());
  }
}

PluginLibrary::~PluginLibrary() { Free(); }

void PluginLibrary::Free() {
  if (module_ != nullptr) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}

PluginLibrary::GetToolListFunction PluginLibrary::GetToolList() const {
  return reinterpret_cast<GetToolListFunction>(GetProcAddress(module_, "GetToolList"));
}

PluginLibrary::SstpNotifyFunction PluginLibrary::SstpNotify() const {
  return reinterpret_cast<SstpNotifyFunction>(GetProcAddress(module_, "SSTPNotify"));
}
