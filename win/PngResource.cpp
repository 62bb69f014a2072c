#include "PngResource.h"

#include "ResourceBytes.h"

TPicture LoadPNGResource(HMODULE module, int32_t id, int32_t type) {
  TResourceBytes bytes = FindResourceBytes(module, id, type);
  if (!bytes) return TPicture();
  return DecodePng(bytes.Data, bytes.Size);
}

TArtworkLoader OwnArtwork() {
  return [](int32_t id) { return LoadPNGResource(OwnModule(), id); };
}

TPicture ArtworkOrNone(int32_t id) {
  try {
    return LoadPNGResource(OwnModule(), id);
  } catch (...) {
    return TPicture();
  }
}
