// A selector tile: one slot of the presentation selector, a frame picture that shows the slot's
// state (launch or manage mode, filled or empty, pressed) over a backdrop, and the thumbnail.
#pragma once

#include <array>
#include <cstdint>

#include "Frame.h"

// What a tile's frame picture shows: the mode, whether the slot is filled, whether it is pressed.
enum TTileFrameState : int {
  tsLaunch,
  tsLaunchPressed,
  tsLaunchEmpty,
  tsManage,
  tsManagePressed,
  tsManageEmpty,
  tsManageEmptyPressed,
  kTileFrameStates
};

// The pictures every tile shares: the seven frame states of each tile size and the backdrop,
// decoded once each, when first asked for.
class TTilePictures {
 public:
  // A TTileFrameState; size 1 or 2. No picture where the artwork is missing.
  const TPicture& Frame(int state, int tileSize);
  const TPicture& Background();
  // How many pictures have been decoded so far (for the memory benchmark and its test).
  int Decoded() const { return decoded_; }

 private:
  std::array<std::array<TPicture, kTileFrameStates>, 2> frames_;
  std::array<bool, 2> loaded_{};
  TPicture background_;
  bool backgroundLoaded_ = false;
  int decoded_ = 0;
};

class TThumbnailFrame : public TFrame {
 public:
  // The pictures must outlive the tile.
  explicit TThumbnailFrame(TTilePictures& pictures);

  TImage& BackgroundImage;
  TImage& ThumbnailFrameImage;
  TImage& ThumbnailImage;

  void SetManageMode(bool value);
  // 1 or 2; any other size changes nothing.
  void SetTileSize(uint8_t value);
  // Shows a copy of the picture (shared, not duplicated); no picture clears the thumbnail.
  void SetThumbnail(const TPicture& picture);

  bool Filled() const { return static_cast<bool>(ThumbnailImage.Picture()); }
  uint8_t TileSize() const { return FTileSize; }

 private:
  void UpdateFramePicture();
  void ShowState(int state);
  void ThumbnailFrameImageMouseDown(TControl& sender, TMouseButton button);
  void ThumbnailFrameImageMouseUp(TControl& sender, TMouseButton button);

  TTilePictures& FFramePictures;
  uint8_t FTileSize = 0;
  bool FManageMode = false;
};
