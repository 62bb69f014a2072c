// Shrinking a picture once, with good quality, to the size it is shown at.
#pragma once

#include "Picture.h"

// The picture scaled down (area averaging) to fit within maxWidth x maxHeight, keeping its
// proportions; the picture itself when it fits already. The kind is kept.
TPicture ShrinkToFit(const TPicture& picture, int maxWidth, int maxHeight);
