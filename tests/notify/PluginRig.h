// The real plug-in DLL in a fresh folder, with an INI that points it at a
// loopback listener, and the mascot's mutex: the host's and the mascot's side
// of a notification call.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "LoopbackListener.h"
#include "PluginLibrary.h"
#include "TempFolder.h"
#include "TestItems.h"

constexpr INT32 kNotifyCall = 1;

inline std::string SstpRequest(const std::string& script) {
  return "SEND SSTP/1.1\r\nSender: Vyrex plugin for Olmira\r\nScript: " + script +
         "\r\nCharset: SJIS\r\n\r\n";
}

class PluginRig : public testing::Test {
 protected:
  // Loads the plug-in with an INI of `optionLines` under [Option] and
  // `sstpLines` plus the listener's port under [SSTP].
  void Load(const std::string& optionLines = "", const std::string& sstpLines = "") {
    ASSERT_TRUE(listener.listening());
    const std::string ini = "[Option]\r\n" + optionLines + "[SSTP]\r\n" + sstpLines +
                            "SSTPPort=" + std::to_string(listener.port()) + "\r\n";
    LoadWithIni(ini);
  }
  void LoadWithIni(const std::string& ini) {
    plugin = std::make_unique<PluginLibrary>(folder, "sstpnotify.dll", &ini);
    ASSERT_NE(nullptr, plugin->handle());
    ASSERT_NE(nullptr, plugin->SstpNotify());
  }

  INT32 Notify(const TestItems& items, INT32 checkKind) {
    return Notify(items.data(), items.count(), checkKind);
  }
  INT32 Notify(const ToolItem* const* items, INT32 count, INT32 checkKind) {
    void* list = const_cast<ToolItem**>(items);
    return plugin->SstpNotify()(nullptr, list, count, kNotifyCall, checkKind);
  }

  std::string ReportPath() const { return folder.File("sstpnotify.htm"); }
  std::string Report() const { return ReadFileBytes(ReportPath()); }

  TempFolder folder;
  LoopbackListener listener;
  std::unique_ptr<NamedMutex> mascot = std::make_unique<NamedMutex>();
  std::unique_ptr<PluginLibrary> plugin;
};
