#include "ThumbnailFrameUnit.h"

#include "FormPictures.h"
#include "PngResource.h"
#include "SelectorGrid.h"

namespace {
// Artwork ids of the frame states 0..6 for large tiles; small tiles use the same less 100.
constexpr int32_t kLargeFrameIds[7] = {1114, 1115, 1116, 1111, 1112, 1117, 1118};
}  // namespace

const TPicture& TTilePictures::Frame(int state, int tileSize) {
  static const TPicture kNone;
  if (state < 0 || state > 6 || (tileSize != 1 && tileSize != 2)) return kNone;
  size_t size = size_t(tileSize - 1);
  if (!loaded_[size]) {
    loaded_[size] = true;
    for (int s = 0; s < 7; ++s) {
      int32_t id = kLargeFrameIds[s] - (tileSize == 2 ? 100 : 0);
      frames_[size][size_t(s)] = ArtworkOrNone(id);
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
  SetBounds(0, 0, 352, 320);
  BackgroundImage.SetBounds(0, 0, 352, 320);
  BackgroundImage.SetAutoSize(true);
  BackgroundImage.SetPicture(pictures.Background());
  ThumbnailFrameImage.SetBounds(0, 0, 352, 320);
  ThumbnailFrameImage.SetAutoSize(true);
  ThumbnailImage.SetBounds(16, 16, 320, 240);
  ThumbnailImage.SetFit({true, true, true});
  for (TImage* image : {&BackgroundImage, &ThumbnailFrameImage, &ThumbnailImage}) {
    image->OnMouseDown = [this](TControl& c, TMouseButton b) { ThumbnailFrameImageMouseDown(c, b); };
    image->OnMouseUp = [this](TControl& c, TMouseButton b) { ThumbnailFrameImageMouseUp(c, b); };
  }
  SetTileSize(1);
  SetManageMode(false);
}

void TThumbnailFrame::ShowState(int state) {
  state_ = state;
  ThumbnailFrameImage.SetPicture(FFramePictures.Frame(state, FTileSize));
}

void TThumbnailFrame::UpdateFramePicture() {
  bool filled = Filled();
  ShowState(FManageMode ? (filled ? 3 : 5) : (filled ? 0 : 2));
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
  ThumbnailImage.SetBounds(16, 16, size.ThumbnailWidth, size.ThumbnailHeight);
  UpdateFramePicture();
}

void TThumbnailFrame::SetThumbnail(const TPicture& picture) {
  ThumbnailImage.SetPicture(picture);
  UpdateFramePicture();
}

void TThumbnailFrame::ThumbnailFrameImageMouseDown(TControl&, TMouseButton) {
  bool filled = Filled();
  if (FManageMode)
    ShowState(filled ? 4 : 6);
  else if (filled)
    ShowState(1);
}

void TThumbnailFrame::ThumbnailFrameImageMouseUp(TControl&, TMouseButton) {
  bool filled = Filled();
  if (FManageMode)
    ShowState(filled ? 3 : 5);
  else if (filled)
    ShowState(0);
}
