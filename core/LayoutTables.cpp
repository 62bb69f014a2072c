#include "LayoutTables.h"

const TSelectorResolution SelectorResolutions[kScreenSizeCount] = {
    {1280, 1024}, {1366, 768}, {1440, 900}, {1440, 1050}, {1600, 1200}, {1680, 1050}, {1920, 1200},
};

TSelectorLayout SelectorLayouts[2][kScreenSizeCount] = {
    {
        {3, 2, 1, 2001, {}},
        {3, 2, 1, 2002, {}},
        {3, 2, 1, 2003, {}},
        {3, 2, 1, 2004, {}},
        {4, 3, 1, 2005, {}},
        {4, 2, 1, 2006, {}},
        {5, 3, 1, 2007, {}},
    },
    {
        {4, 3, 2, 2001, {}},
        {4, 2, 2, 2002, {}},
        {4, 2, 2, 2003, {}},
        {4, 3, 2, 2004, {}},
        {4, 3, 1, 2005, {}},
        {4, 3, 2, 2006, {}},
        {5, 3, 1, 2007, {}},
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
