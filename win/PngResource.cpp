#include "PngResource.h"

TPicture LoadPNGResource(HMODULE module, int32_t id, int32_t type) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
  if (!info) return TPicture();
  DWORD size = SizeofResource(module, info);
  if (size == 0) return TPicture();
  HGLOBAL loaded = LoadResource(module, info);
  if (!loaded) return TPicture();
  const void* bytes = LockResource(loaded);
  if (!bytes) return TPicture();
  // Resource memory is mapped with the image and needs no freeing.
  return DecodePng(static_cast<const uint8_t*>(bytes), size);
}

TArtworkLoader OwnArtwork() {
  return [](int32_t id) { return LoadPNGResource(OwnModule(), id); };
}
