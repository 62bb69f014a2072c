#include "Image.h"

void TImage::SetPicture(const TPicture& picture) {
  picture_ = picture;
  bitmap_.Reset();
  stretched_.Reset();
  if (autoSize_) SetBounds(Bounds());
  Invalidate();
}

void TImage::SetFit(TImageFit fit) {
  fit_ = fit;
  Invalidate();
}

void TImage::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_) SetBounds(Bounds());
}

void TImage::KeepOwnSize(int& width, int& height) {
  if (autoSize_ && picture_) width = picture_.Width(), height = picture_.Height();
}

namespace {
BITMAPINFO PictureInfo(const TPicture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top row first, as the picture stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A picture with alpha as a DIB with its colours premultiplied, as AlphaBlend wants them.
TGdiObject<HBITMAP> MakePremultipliedBitmap(const TPicture& picture) {
  BITMAPINFO info = PictureInfo(picture);
  void* bits = nullptr;
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  const uint32_t* src = picture.Pixels();
  auto* dst = static_cast<uint32_t*>(bits);
  size_t count = size_t(picture.Width()) * size_t(picture.Height());
  for (size_t i = 0; i < count; ++i) {
    uint32_t p = src[i];
    uint32_t a = p >> 24;
    uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
    dst[i] = a << 24 | r << 16 | g << 8 | b;
  }
  GdiFlush();
  return bitmap;
}
}  // namespace

TGdiObject<HBITMAP> MakeStretchedBitmap(const TPicture& picture, int width, int height) {
  BITMAPINFO in = PictureInfo(picture), out = in;
  out.bmiHeader.biWidth = width;
  out.bmiHeader.biHeight = -height;
  void* bits = nullptr;
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &out, DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDC memory(nullptr);
  if (!bitmap || !memory.Get()) return TGdiObject<HBITMAP>();
  TSelect select(memory.Get(), bitmap.Get());
  SetStretchBltMode(memory.Get(), HALFTONE);
  SetBrushOrgEx(memory.Get(), 0, 0, nullptr);
  StretchDIBits(memory.Get(), 0, 0, width, height, 0, 0, picture.Width(), picture.Height(), picture.Pixels(), &in,
                DIB_RGB_COLORS, SRCCOPY);
  GdiFlush();
  return bitmap;
}

void TImage::Paint(HDC dc) {
  if (!picture_) return;
  TDrawRect d = ImageDestRect(picture_.Width(), picture_.Height(), Width(), Height(), fit_);
  int w = picture_.Width(), h = picture_.Height();
  if (picture_.Kind() == TPictureKind::Alpha) {
    if (!bitmap_) bitmap_ = MakePremultipliedBitmap(picture_);
    if (!bitmap_) return;
    TMemoryDC source(dc);
    TSelect select(source.Get(), bitmap_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, w, h, blend);
    return;
  }
  // An opaque picture is drawn from its own pixels, which the pictures share: no control keeps a
  // copy of them (a page of thumbnails, or several screens on one background).
  BITMAPINFO info = PictureInfo(picture_);
  if (d.Width == w && d.Height == h) {
    SetDIBitsToDevice(dc, d.Left, d.Top, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), picture_.Pixels(), &info,
                      DIB_RGB_COLORS);
    return;
  }
  // Stretched as a whole once per size, then copied: a stretch clipped to the part being painted
  // may round a row or column differently, which shows as a seam between two images of one
  // picture (the presenter view's background and the screen's) or between two paints of one.
  if (!stretched_ || stretchedWidth_ != d.Width || stretchedHeight_ != d.Height) {
    stretched_ = MakeStretchedBitmap(picture_, d.Width, d.Height);
    stretchedWidth_ = d.Width, stretchedHeight_ = d.Height;
  }
  if (!stretched_) return;
  TMemoryDC source(dc);
  TSelect select(source.Get(), stretched_.Get());
  BitBlt(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, SRCCOPY);
}
