// The faces of the screens' picture buttons: a button shows one face and copies another in when
// it is pressed or released, or when its state changes; each face waits in a hidden image.
#pragma once

#include <cstdint>

#include "Controls.h"
#include "FormPictures.h"

// The image holds form picture `id` at the picture's size, hidden.
inline void MakeFaceHolder(TImage& image, int32_t id) {
  image.SetPicture(FormPictureOrNone(id));
  image.SetBounds(0, 0, image.Picture().Width(), image.Picture().Height());
  image.Hide();
}
