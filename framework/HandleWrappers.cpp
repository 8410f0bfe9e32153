#include "framework/HandleWrappers.h"

#include "framework/WindowRegistry.h"

void DeviceContext::Delete() {
  if (hdc != nullptr) DeleteDC(hdc);
  hdc = nullptr;
}

DeviceContext* DeviceContext::FromHandle(HDC handle) {
  if (handle == nullptr) return nullptr;
  auto* wrapper = new DeviceContext;
  wrapper->Attach(handle);
  window_registry::KeepTemporary(wrapper);
  return wrapper;
}

int Menu::Attach(HMENU handle) {
  if (!IsMenu(handle)) return 0;
  hmenu = handle;
  return 1;
}

Menu* Menu::FromHandle(HMENU handle) {
  if (handle == nullptr) return nullptr;
  auto* wrapper = new Menu;
  wrapper->Attach(handle);
  window_registry::KeepTemporary(wrapper);
  return wrapper;
}
