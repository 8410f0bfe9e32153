#include "BenchedPlugin.h"

#include <cstdio>

namespace {

constexpr INT32 kNotifyCall = 1;
constexpr INT32 kAutomaticItemCheck = 0x11;
const char* const kFolderFiles[] = {"sstpnotify.htm", "baseline.htm", "sstpnotify.ini",
                                    "sstpnotify.dll"};

bool WriteText(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

BenchedPlugin::BenchedPlugin(const std::string& dllPath, const std::string& folder,
                             unsigned short port)
    : source_(dllPath), folder_(folder) {
  CreateDirectoryA(folder_.c_str(), nullptr);
  const std::string dll = folder_ + "\\sstpnotify.dll";
  const std::string ini = "[SSTP]\r\nSSTPPort=" + std::to_string(port) + "\r\n";
  if (!CopyFileA(dllPath.c_str(), dll.c_str(), FALSE)) return;
  if (!WriteText(folder_ + "\\sstpnotify.ini", ini)) return;
  module_ = LoadLibraryA(dll.c_str());
  if (module_ == nullptr) return;
  sstpNotify_ = reinterpret_cast<SstpNotifyFunction>(GetProcAddress(module_, "SSTPNotify"));
}

BenchedPlugin::~BenchedPlugin() {
  if (module_ != nullptr) FreeLibrary(module_);
  for (const char* name : kFolderFiles) DeleteFileA((folder_ + "\\" + name).c_str());
  RemoveDirectoryA(folder_.c_str());
}

void BenchedPlugin::Notify(void* items, int count) const {
  sstpNotify_(nullptr, items, count, kNotifyCall, kAutomaticItemCheck);
}
