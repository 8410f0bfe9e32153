// The plug-in's application class: its one static instance is completed by the
// library's attach step, which then runs its start-up: the INI and report
// paths beside the library, and the settings. Windows Sockets are not started
// here but by each exchange, outside the loader lock.
#pragma once

#include "framework/Application.h"

class PluginApplication : public Application {
 public:
  PluginApplication() = default;

  int Startup() override;
};
