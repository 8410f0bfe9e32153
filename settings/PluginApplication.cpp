#include "settings/PluginApplication.h"

#include <string>

#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/PathHelpers.h"

int PluginApplication::Startup() {
  // Without the library's own name there is no place for the INI file or the
  // report: the paths stay empty, nothing is read and the defaults apply.
  const std::string library = GetFileName();
  if (!library.empty()) {
    settings.iniPath = WithExtension(library, ".ini");
    settings.reportPath = WithExtension(settings.iniPath, ".htm");
  }
  LoadSettings();
  return 1;
}
