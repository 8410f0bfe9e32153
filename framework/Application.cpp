#include "framework/Application.h"

#include "support/ModuleHandles.h"
#include "support/PathHelpers.h"

Application* Application::instance_ = nullptr;
UINT wheelMessage = 0;

Application::Application() {
  // There is one application object per module; a second one never becomes
  // the instance.
  if (instance_ == nullptr) instance_ = this;

  instance = GetModuleHandleA(nullptr);
  SetModuleHandles(instance);
  SetResourceHandle(instance);

  appName = "Application";

  // The help file is named after the executable, without its directory.
  const std::string executable = GetFileName();
  if (!executable.empty()) {
    helpPath = WithExtension(FindFileName(executable.c_str()), ".hlp");
  }
}

Application::~Application() {
  if (instanceMutex.handle != nullptr) {
    ReleaseMutex(instanceMutex.handle);
    instanceMutex.Close();
  }
  if (instance_ == this) instance_ = nullptr;
}

int Application::SetInstance(HINSTANCE) { return 0; }
