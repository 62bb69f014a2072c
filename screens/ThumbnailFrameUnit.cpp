#include "ThumbnailFrameUnit.h"

#include "ArtworkIds.h"
#include "FormPictures.h"
#include "PngResource.h"
#include "SelectorGrid.h"

namespace {
// The frame pictures by tile size (large, small) and TTileFrameState.
constexpr int32_t kFrameIds[2][kTileFrameStates] = {
    {awLargeTileLaunch, awLargeTileLaunchPressed, awLargeTileLaunchEmpty, awLargeTileManage, awLargeTileManagePressed,
     awLargeTileManageEmpty, awLargeTileManageEmptyPressed},
    {awSmallTileLaunch, awSmallTileLaunchPressed, awSmallTileLaunchEmpty, awSmallTileManage, awSmallTileManagePressed,
     awSmallTileManageEmpty, awSmallTileManageEmptyPressed},
};
}  // namespace

const TPicture& TTilePictures::Frame(int state, int tileSize) {
  static const TPicture kNone;
  if (state < 0 || state >= kTileFrameStates || (tileSize != 1 && tileSize != 2)) return kNone;
  size_t size = size_t(tileSize - 1);
  if (!loaded_[size]) {
    loaded_[size] = true;
    for (int s = 0; s < kTileFrameStates; ++s) {
      frames_[size][size_t(s)] = ArtworkOrNone(kFrameIds[size][s]);
      ++decoded_;
    }
  }
  return frames_[size][size_t(state)];
}

const TPicture& TTilePictures::Background() {
  if (!backgroundLoaded_) {
    backgroundLoaded_ = true;
    background_ = FormPictureOrNone(fpTileBackground);
    ++decoded_;
  }
  return background_;
}

TThumbnailFrame::TThumbnailFrame(TTilePictures& pictures)
    : BackgroundImage(Add<TImage>()),
      ThumbnailFrameImage(Add<TImage>()),
      ThumbnailImage(Add<TImage>()),
      FFramePictures(pictures) {
  SetColor(RGB(192, 192, 192));
  SetBounds(kTileDesign);
  BackgroundImage.SetBounds(kTileDesign);
  BackgroundImage.SetAutoSize(true);
  BackgroundImage.SetPicture(pictures.Background());
  ThumbnailFrameImage.SetBounds(kTileDesign);
  ThumbnailFrameImage.SetAutoSize(true);
  ThumbnailImage.SetBounds(kThumbnailDesign);
  ThumbnailImage.SetFit({true, true, true});
  for (TImage* image : {&BackgroundImage, &ThumbnailFrameImage, &ThumbnailImage}) {
    image->OnMouseDown = [this](TControl& c, TMouseButton b) { ThumbnailFrameImageMouseDown(c, b); };
    image->OnMouseUp = [this](TControl& c, TMouseButton b) { ThumbnailFrameImageMouseUp(c, b); };
  }
  SetTileSize(1);
  SetManageMode(false);
}

void TThumbnailFrame::ShowState(int state) {
  ThumbnailFrameImage.SetPicture(FFramePictures.Frame(state, FTileSize));
}

void TThumbnailFrame::UpdateFramePicture() {
  bool filled = Filled();
  ShowState(FManageMode ? (filled ? tsManage : tsManageEmpty) : (filled ? tsLaunch : tsLaunchEmpty));
}

void TThumbnailFrame::SetManageMode(bool value) {
  if (value == FManageMode) return;
  FManageMode = value;
  UpdateFramePicture();
}

void TThumbnailFrame::SetTileSize(uint8_t value) {
  if (value == FTileSize || (value != 1 && value != 2)) return;
  FTileSize = value;
  TTileSize size = TileDimensions(value);
  SetBounds(Left(), Top(), size.Width, size.Height);
  ThumbnailImage.SetBounds(kThumbnailDesign.Left, kThumbnailDesign.Top, size.ThumbnailWidth, size.ThumbnailHeight);
  UpdateFramePicture();
}

void TThumbnailFrame::SetThumbnail(const TPicture& picture) {
  ThumbnailImage.SetPicture(picture);
  UpdateFramePicture();
}

void TThumbnailFrame::ThumbnailFrameImageMouseDown(TControl&, TMouseButton) {
  bool filled = Filled();
  if (FManageMode)
    ShowState(filled ? tsManagePressed : tsManageEmptyPressed);
  else if (filled)
    ShowState(tsLaunchPressed);
}

void TThumbnailFrame::ThumbnailFrameImageMouseUp(TControl&, TMouseButton) {
  bool filled = Filled();
  if (FManageMode)
    ShowState(filled ? tsManage : tsManageEmpty);
  else if (filled)
    ShowState(tsLaunch);
}
