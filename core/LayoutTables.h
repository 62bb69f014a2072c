// The supported screen sizes and the selector's tile layout for each, with the background
// pictures that the library loads into the layout table at start.
#pragma once

#include <cstdint>
#include <functional>

#include "Picture.h"

// Artwork is stored among a binary's resources under this numeric type.
constexpr int32_t kArtworkResourceType = 400;

// Gives the decoded artwork with that id, or no picture when the binary has none.
using TArtworkLoader = std::function<TPicture(int32_t id)>;

constexpr int kScreenSizeCount = 7;

struct TSelectorResolution {
  int32_t Width;
  int32_t Height;
};

extern const TSelectorResolution SelectorResolutions[kScreenSizeCount];

struct TSelectorLayout {
  int32_t Columns;
  int32_t Rows;
  uint8_t TileSize;  // 1 = large tiles (352 x 320), 2 = small tiles (320 x 296)
  int32_t ImageResId;
  TPicture Image;  // owned by the table, filled by LoadLayoutImages; users only borrow it
};

// Indexed [level - 1][screen-size index].
extern TSelectorLayout SelectorLayouts[2][kScreenSizeCount];

inline TSelectorLayout& SelectorLayout(int level, int screenSizeIndex) {
  return SelectorLayouts[level - 1][screenSizeIndex];
}

// Decodes each screen size's background once; the level-2 entry gets a picture object of its own
// that shares the level-1 pixels.
void LoadLayoutImages(const TArtworkLoader& load);
void FreeLayoutImages();

// The number of selector levels for a screen size: 1 where both levels use the same tile size.
int32_t CountLayoutModes(uint8_t screenSizeIndex);
