#include "AllSlidesLayout.h"

#include "ArtworkIds.h"

TAllSlidesLayout AllSlidesLayout[kScreenSizeCount] = {
    {60, 9, 130, 153, 120, 90, 9, 6, awAllSlides1280x1024, {}},
    {103, 9, 130, 153, 120, 90, 9, 4, awAllSlides1366x768, {}},
    {140, 9, 130, 153, 120, 90, 9, 5, awAllSlides1440x900, {}},
    {140, 9, 130, 153, 120, 90, 9, 6, awAllSlides1440x1050, {}},
    {220, 9, 130, 153, 120, 90, 9, 6, awAllSlides1600x1200, {}},
    {260, 9, 130, 153, 120, 90, 9, 6, awAllSlides1680x1050, {}},
    {380, 9, 130, 153, 120, 90, 9, 6, awAllSlides1920x1200, {}},
};

void LoadAllSlidesImages(const TArtworkLoader& load) {
  for (auto& row : AllSlidesLayout) row.Image = load(row.ImageResId);
}

void FreeAllSlidesImages() {
  for (auto& row : AllSlidesLayout) row.Image = TPicture();
}
