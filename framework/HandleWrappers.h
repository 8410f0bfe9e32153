// Framework objects for the device-context and menu handles that arrive with
// messages, so that handlers always receive objects. Destroying a wrapper
// never destroys the handle it wraps.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class DeviceContext : public Object {
 public:
  DeviceContext() = default;
  ~DeviceContext() override = default;  // does not delete the handle

  virtual void Attach(HDC handle) { hdc = handle; }
  // Deletes a held device context and forgets it.
  virtual void Delete();

  // A new temporary wrapper; null for a null handle.
  static DeviceContext* FromHandle(HDC handle);

  HDC hdc = nullptr;
};

class Menu : public Object {
 public:
  Menu() = default;
  ~Menu() override = default;  // does not destroy the menu

  // Takes the handle only when it names a menu.
  int Attach(HMENU handle);

  // A new temporary wrapper; null for a null handle.
  static Menu* FromHandle(HMENU handle);

  HMENU hmenu = nullptr;
};
