#include "LayoutTables.h"

#include "ArtworkIds.h"

const TSelectorResolution SelectorResolutions[kScreenSizeCount] = {
    {1280, 1024}, {1366, 768}, {1440, 900}, {1440, 1050}, {1600, 1200}, {1680, 1050}, {1920, 1200},
};

TSelectorLayout SelectorLayouts[2][kScreenSizeCount] = {
    {
        {3, 2, 1, awSelector1280x1024, {}},
        {3, 2, 1, awSelector1366x768, {}},
        {3, 2, 1, awSelector1440x900, {}},
        {3, 2, 1, awSelector1440x1050, {}},
        {4, 3, 1, awSelector1600x1200, {}},
        {4, 2, 1, awSelector1680x1050, {}},
        {5, 3, 1, awSelector1920x1200, {}},
    },
    {
        {4, 3, 2, awSelector1280x1024, {}},
        {4, 2, 2, awSelector1366x768, {}},
        {4, 2, 2, awSelector1440x900, {}},
        {4, 3, 2, awSelector1440x1050, {}},
        {4, 3, 1, awSelector1600x1200, {}},
        {4, 3, 2, awSelector1680x1050, {}},
        {5, 3, 1, awSelector1920x1200, {}},
    },
};

void LoadLayoutImages(const TArtworkLoader& load) {
  for (int i = 0; i < kScreenSizeCount; ++i) {
    TSelectorLayout& level1 = SelectorLayouts[0][i];
    TSelectorLayout& level2 = SelectorLayouts[1][i];
    level1.Image = load(level1.ImageResId);
    level2.Image = level2.ImageResId == level1.ImageResId ? level1.Image.NewObject() : load(level2.ImageResId);
  }
}

void FreeLayoutImages() {
  for (int i = 0; i < kScreenSizeCount; ++i)
    for (auto& level : SelectorLayouts) level[i].Image = TPicture();
}

int32_t CountLayoutModes(uint8_t screenSizeIndex) {
  if (screenSizeIndex >= kScreenSizeCount) return 1;  // no table row to read
  return SelectorLayouts[0][screenSizeIndex].TileSize == SelectorLayouts[1][screenSizeIndex].TileSize ? 1 : 2;
}
