#include "FormPictures.h"

#include "OwnModule.h"
#include "ResourceBytes.h"

TPicture LoadFormPicture(HMODULE module, int32_t id) {
  TResourceBytes bytes = FindResourceBytes(module, id, kFormPictureResourceType);
  if (!bytes) return TPicture();
  return DecodePicture(bytes.Data, bytes.Size);
}

TPicture LoadFormPicture(int32_t id) { return LoadFormPicture(OwnModule(), id); }

TPicture FormPictureOrNone(int32_t id) {
  try {
    return LoadFormPicture(id);
  } catch (...) {
    return TPicture();
  }
}
