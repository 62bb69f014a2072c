#include "SelectorGrid.h"

#include "CommandMailbox.h"
#include "LayoutTables.h"

uint8_t PickScreenSize(int width, int height) {
  const auto& sizes = SelectorResolutions;
  for (int i = 0; i < kScreenSizeCount; ++i)
    if (sizes[i].Width == width && sizes[i].Height == height) return uint8_t(i);
  int best = -1;
  for (int i = 0; i < kScreenSizeCount; ++i)
    if (sizes[i].Width == width && sizes[i].Height < height && (best < 0 || sizes[i].Height > sizes[best].Height))
      best = i;
  if (best >= 0) return uint8_t(best);
  for (int i = 0; i < kScreenSizeCount; ++i)
    if (sizes[i].Height == height && sizes[i].Width < width && (best < 0 || sizes[i].Width > sizes[best].Width))
      best = i;
  if (best >= 0) return uint8_t(best);
  int bestWidth = 0, bestHeight = 0;
  for (int i = 0; i < kScreenSizeCount; ++i) {
    if (sizes[i].Width > width || sizes[i].Height > height) continue;
    if (sizes[i].Height >= bestHeight && sizes[i].Width >= bestWidth) {
      best = i;
      bestWidth = sizes[i].Width;
      bestHeight = sizes[i].Height;
    }
  }
  return best >= 0 ? uint8_t(best) : 0;
}

TTileSize TileDimensions(int tileSize) {
  if (tileSize == 1) return {kTileDesign.Width, kTileDesign.Height, kThumbnailDesign.Width, kThumbnailDesign.Height};
  if (tileSize == 2) return {320, 296, 288, 216};
  return {0, 0, 0, 0};
}

std::vector<TTilePlace> GridPlaces(int tileSize, int columns, int rows, int width, int height) {
  TTileSize tile = TileDimensions(tileSize == 1 ? 1 : 2);
  std::vector<TTilePlace> places;
  if (columns <= 0 || rows <= 0) return places;
  int gapX = (width - columns * tile.Width) / (columns + 1);
  int band = 2 * kSelectorButtonHeight + 2 * kSelectorButtonMargin;
  int gapY = (height - band - rows * tile.Height) / (rows + 1);
  int top = kSelectorButtonHeight + kSelectorButtonMargin + gapY;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) places.push_back({gapX + c * (tile.Width + gapX), top});
    top += tile.Height + gapY;
  }
  return places;
}

TSelectorButtonPlaces SelectorButtons(int frameWidth, int frameHeight, int exitWidth, int exitHeight) {
  int exitLeft = frameWidth - exitWidth - kSelectorButtonMargin;
  int exitTop = frameHeight - exitHeight - kSelectorButtonMargin;
  return {exitLeft, exitTop, kSelectorButtonMargin, exitTop};
}

TSlotCommand SlotClickCommand(TSelectorMode mode, bool filled, int32_t slot, const std::string& slotFile) {
  TSlotCommand c;
  if (mode == TSelectorMode::Launch) {
    if (filled) {
      c.Id = cmdLaunchSlot;
      c.Name = slotFile;
    }
    return c;
  }
  c.Id = filled ? cmdManageFilledSlot : cmdManageEmptySlot;
  c.Param1 = slot;
  c.HasParam1 = true;
  return c;
}

TSelectorMode ModeFromSlots(const std::vector<std::string>& slotFiles) {
  for (const auto& f : slotFiles)
    if (!f.empty()) return TSelectorMode::Launch;
  return TSelectorMode::Manage;
}
