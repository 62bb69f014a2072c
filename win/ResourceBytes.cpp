#include "ResourceBytes.h"

TResourceBytes FindResourceBytes(HMODULE module, int32_t id, int32_t type) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
  if (!info) return {};
  DWORD size = SizeofResource(module, info);
  if (size == 0) return {};
  HGLOBAL loaded = LoadResource(module, info);
  if (!loaded) return {};
  const void* bytes = LockResource(loaded);
  if (!bytes) return {};
  return {static_cast<const uint8_t*>(bytes), size};
}
