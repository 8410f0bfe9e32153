#include "support/Resources.h"

const void* LoadResourceData(HMODULE module, LPCSTR name, LPCSTR type,
                             DWORD* size) {
  if (module == nullptr) module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return nullptr;
  if (size != nullptr) *size = SizeofResource(module, found);
  return LockResource(loaded);
}
