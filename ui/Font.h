// A font as the controls describe it, and the GDI font made from it.
#pragma once

#include <string>

#include "Gdi.h"

struct TFontSpec {
  std::string Name = "Tahoma";
  int Height = -11;  // pixels; negative gives the character height, as in LOGFONT (8 point at 96 dpi)
  bool Bold = false;
  TColor Color = clWindowText;

  bool operator==(const TFontSpec& o) const {
    return Name == o.Name && Height == o.Height && Bold == o.Bold && Color == o.Color;
  }
  bool operator!=(const TFontSpec& o) const { return !(*this == o); }
};

// The forms' font, Tahoma 8 at 96 dpi: a TFontSpec as it starts.
inline const TFontSpec kFormFont{};

// The same font in another colour.
inline TFontSpec InColor(TFontSpec font, TColor color) {
  font.Color = color;
  return font;
}

// The character height in pixels for a size in points on this screen, as a negative font height.
int FontHeightForPoints(int points);

TGdiObject<HFONT> CreateFontFor(const TFontSpec& font);
