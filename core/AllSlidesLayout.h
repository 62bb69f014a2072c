// The all-slides page layout per screen size, with the page backgrounds that the library loads
// into the table at start.
#pragma once

#include <cstdint>

#include "LayoutTables.h"

struct TAllSlidesLayout {
  int32_t Left0;  // left of the first column, centring the nine columns on the screen
  int32_t Top0;
  int32_t StepX;
  int32_t StepY;
  int32_t CellWidth;
  int32_t CellHeight;
  int32_t Columns;
  int32_t Rows;
  int32_t ImageResId;
  TPicture Image;  // owned by the table; pages take copies
};

// Indexed by the screen-size index of SelectorResolutions.
extern TAllSlidesLayout AllSlidesLayout[kScreenSizeCount];

void LoadAllSlidesImages(const TArtworkLoader& load);
void FreeAllSlidesImages();
