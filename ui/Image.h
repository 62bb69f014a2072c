// A windowless control that shows a shared picture, opaque or with alpha, placed by its fit.
#pragma once

#include "Control.h"
#include "ImageRect.h"
#include "Picture.h"

// An opaque picture stretched to a size as a whole, as a DIB: how an image draws a stretched one.
TGdiObject<HBITMAP> MakeStretchedBitmap(const TPicture& picture, int width, int height);

class TImage : public TGraphicControl {
 public:
  TImage() = default;
  // The control keeps a reference; the picture is shared, never copied.
  void SetPicture(const TPicture& picture);
  const TPicture& Picture() const { return picture_; }
  void SetFit(TImageFit fit);
  // With auto-size on, the control takes its picture's size whenever the picture changes.
  void SetAutoSize(bool on);

 protected:
  void Paint(HDC dc) override;
  void KeepOwnSize(int& width, int& height) override;

 private:
  TPicture picture_;
  TImageFit fit_;
  bool autoSize_ = false;
  TGdiObject<HBITMAP> bitmap_;  // a picture with alpha, premultiplied, made at first paint
  TGdiObject<HBITMAP> stretched_;  // an opaque picture stretched to the size it is painted at
  int stretchedWidth_ = 0, stretchedHeight_ = 0;
};
