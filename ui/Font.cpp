#include "Font.h"

#include <cstring>

int FontHeightForPoints(int points) {
  TClientDC screen(nullptr);
  return -MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

TGdiObject<HFONT> CreateFontFor(const TFontSpec& font) {
  LOGFONTA lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE - 1);
  return TGdiObject<HFONT>(CreateFontIndirectA(&lf));
}
