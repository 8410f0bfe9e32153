// The module application object: the one object through which the library's
// attach and detach steps run, and the keeper of module-wide values that the
// window framework reads (help file, main window). A library derives its own
// class and defines exactly one static instance of it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/KernelHandle.h"
#include "framework/Module.h"

class Window;

class Application : public Module {
 public:
  Application();
  ~Application() override;

  static Application* Instance() { return instance_; }

  int SetInstance(HINSTANCE handle) override;  // refused: the handle is fixed
  int Startup() override { return 1; }
  int Shutdown() override { return exitCode; }
  virtual int ReservedHook1(int) { return 0; }
  virtual int ReservedHook2(int) { return 0; }

  Window* mainWindow = nullptr;  // destroying it posts the quit message
  std::string commandLine;
  std::string helpPath;
  std::string appName;
  MutexHandle instanceMutex;
  int showCommand = 0;
  int exitCode = 0;

 private:
  friend BOOL HandleLibraryEntry(HINSTANCE, DWORD, void*);
  static Application* instance_;
};

// Identifier of the registered "MSWHEEL_ROLLMSG" message, or 0.
extern UINT wheelMessage;
