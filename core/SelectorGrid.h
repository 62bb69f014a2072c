// The presentation selector's arithmetic: which screen size a monitor gets, where the tiles of a
// level lie, where the buttons go, and what a slot click or the slots' contents mean.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AnchorLayout.h"

// The screen-size index (0..6 into SelectorResolutions) for a monitor of width x height: an exact
// match, else the tallest of the same width, else the widest of the same height, else the largest
// that fits; 0 when none fits.
uint8_t PickScreenSize(int width, int height);

// A large tile as designed, and its thumbnail area, which lies at the same place in a small one.
constexpr TBounds kTileDesign{0, 0, 352, 320};
constexpr TBounds kThumbnailDesign{16, 16, 320, 240};

struct TTileSize {
  int Width, Height;                    // the tile
  int ThumbnailWidth, ThumbnailHeight;  // its thumbnail area, at kThumbnailDesign's place
};
// 1 = large tiles, 2 = small ones; any other size has none (zero sizes).
TTileSize TileDimensions(int tileSize);

// Height of the toggle and of the Exit button, and the band the grid leaves for them.
constexpr int kSelectorButtonHeight = 54;
constexpr int kSelectorButtonMargin = 16;

// The selector as designed (1280 x 1024): the Launch/Manage toggle top left, Exit bottom right,
// ReduceEmptySlots bottom left. Exit and ReduceEmptySlots move with the size (SelectorButtons).
constexpr int kSelectorDesignWidth = 1280, kSelectorDesignHeight = 1024;
constexpr TBounds kLaunchManageDesign{16, 16, 286, 54};
constexpr TBounds kSelectorExitDesign{1155, 954, 109, 54};
constexpr TBounds kReduceEmptySlotsDesign{16, 954, 246, 54};

struct TTilePlace {
  int Left, Top;
};
// Tile places row by row, left to right, for a grid on a screen of width x height. Gaps may come
// out zero or negative, and tiles then touch or overlap.
std::vector<TTilePlace> GridPlaces(int tileSize, int columns, int rows, int width, int height);

struct TSelectorButtonPlaces {
  int ExitLeft, ExitTop;
  int ReduceLeft, ReduceTop;
};
// The Exit button sits 16 pixels in from the bottom right corner; ReduceEmptySlots beside the left
// edge at the same height.
TSelectorButtonPlaces SelectorButtons(int frameWidth, int frameHeight, int exitWidth, int exitHeight);

enum class TSelectorMode : uint8_t { Launch = 0, Manage = 1 };

struct TSlotCommand {
  int32_t Id = 0;  // 0: nothing is posted
  std::string Name;
  int32_t Param1 = 0;
  bool HasParam1 = false;
};
// What a click on slot n posts.
TSlotCommand SlotClickCommand(TSelectorMode mode, bool filled, int32_t slot, const std::string& slotFile);

// Launch mode when any slot holds a file, else manage mode.
TSelectorMode ModeFromSlots(const std::vector<std::string>& slotFiles);
