// One copy of the real plug-in in a fresh folder, with or without an INI
// beside it, called for configuration while a SheetDriver plays the user.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "PluginLibrary.h"
#include "SheetDriver.h"
#include "TempFolder.h"

inline constexpr INT32 kConfigurationCall = 0;

// One plug-in in a fresh folder, with or without an INI beside it.
class OptionsFixture {
 public:
  explicit OptionsFixture(const std::string* ini = nullptr)
      : plugin_(folder_, "sstpnotify.dll", ini), iniPath_(folder_.File("sstpnotify.ini")) {}

  // Runs one configuration call while `script` drives the sheet.
  INT32 Configure(SheetDriver::Script script, HWND owner = nullptr, bool* driven = nullptr) {
    SheetDriver driver(std::move(script));
    const INT32 result = plugin_.SstpNotify()(owner, nullptr, 0, kConfigurationCall, 0);
    const bool ok = driver.Finish();
    if (driven != nullptr) *driven = ok;
    EXPECT_TRUE(ok) << "the sheet was not driven to its end";
    return result;
  }

  std::string Value(const char* section, const char* key) const {
    char text[4096] = {};
    GetPrivateProfileStringA(section, key, "<missing>", text, sizeof(text), iniPath_.c_str());
    return text;
  }
  std::string IniBytes() const { return ReadFileBytes(iniPath_); }
  bool ReportExists() const { return FileExists(folder_.File("sstpnotify.htm")); }
  bool IniExists() const { return FileExists(iniPath_); }
  bool loaded() const { return plugin_.handle() != nullptr; }

 private:
  TempFolder folder_;
  PluginLibrary plugin_;
  std::string iniPath_;
};
