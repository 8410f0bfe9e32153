// One plug-in DLL under measurement: a copy in a folder of its own, with an
// INI that points it at the benchmark's server, loaded for the life of the
// object; the folder is removed again at the end.
#pragma once

#include <windows.h>

#include <string>

class BenchedPlugin {
 public:
  // Copies `dllPath` into `folder` (created here) and loads it there.
  BenchedPlugin(const std::string& dllPath, const std::string& folder, unsigned short port);
  ~BenchedPlugin();
  BenchedPlugin(const BenchedPlugin&) = delete;
  BenchedPlugin& operator=(const BenchedPlugin&) = delete;

  bool loaded() const { return sstpNotify_ != nullptr; }
  const std::string& source() const { return source_; }
  // The report the plug-in writes beside its copy.
  std::string reportPath() const { return folder_ + "\\sstpnotify.htm"; }
  // Where a baseline may write its copy of the report.
  std::string scratchPath() const { return folder_ + "\\baseline.htm"; }
  // A notify call after an automatic check of one item, as the host makes it.
  void Notify(void* items, int count) const;

 private:
  using SstpNotifyFunction = INT32(WINAPI*)(HWND, void*, INT32, INT32, INT32);

  std::string source_;
  std::string folder_;
  HMODULE module_ = nullptr;
  SstpNotifyFunction sstpNotify_ = nullptr;
};
