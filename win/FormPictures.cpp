#include "FormPictures.h"

// Placeholder until the form pictures land: none is found.
TPicture LoadFormPicture(int32_t) { return TPicture(); }
