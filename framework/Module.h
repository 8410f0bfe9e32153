// A loaded module (executable or library) and its instance handle. The
// application object derives from it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Object.h"

class Module : public Object {
 public:
  Module() = default;
  ~Module() override = default;  // never releases `instance`

  // Takes a new handle, releasing one already held; null is refused.
  virtual int SetInstance(HINSTANCE handle);
  virtual int Startup() { return 1; }
  virtual int Shutdown() { return 0; }

  // Full path of the module file; empty when there is no handle or the path
  // cannot be read. A path longer than the usual limit is read whole.
  std::string GetFileName() const;

  HINSTANCE instance = nullptr;
};
