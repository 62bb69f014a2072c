#include "AllSlidesLayout.h"

TAllSlidesLayout AllSlidesLayout[kScreenSizeCount] = {
    {60, 9, 130, 153, 120, 90, 9, 6, 3001, {}},  {103, 9, 130, 153, 120, 90, 9, 4, 3002, {}},
    {140, 9, 130, 153, 120, 90, 9, 5, 3003, {}}, {140, 9, 130, 153, 120, 90, 9, 6, 3004, {}},
    {220, 9, 130, 153, 120, 90, 9, 6, 3005, {}}, {260, 9, 130, 153, 120, 90, 9, 6, 3006, {}},
    {380, 9, 130, 153, 120, 90, 9, 6, 3007, {}},
};

void LoadAllSlidesImages(const TArtworkLoader& load) {
  for (auto& row : AllSlidesLayout) row.Image = load(row.ImageResId);
}

void FreeAllSlidesImages() {
  for (auto& row : AllSlidesLayout) row.Image = TPicture();
}
