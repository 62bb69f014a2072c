#include "Bevel.h"

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  Invalidate();
}

void TBevel::Paint(HDC dc) {
  if (style_ == TBevelStyle::SoftRaised || style_ == TBevelStyle::Etched) {
    RECT r{0, 0, Width(), Height()};
    UINT edge = style_ == TBevelStyle::Etched ? EDGE_ETCHED : BDR_RAISEDINNER;
    DrawEdge(dc, &r, edge, BF_RECT | (style_ == TBevelStyle::SoftRaised ? BF_SOFT : 0));
    return;
  }
  TColor light = style_ == TBevelStyle::Raised ? clBtnHighlight : clBtnShadow;
  TColor dark = style_ == TBevelStyle::Raised ? clBtnShadow : clBtnHighlight;
  int right = Width() - 1, bottom = Height() - 1;
  TGdiObject<HPEN> lightPen(CreatePen(PS_SOLID, 1, ColorToRGB(light)));
  TGdiObject<HPEN> darkPen(CreatePen(PS_SOLID, 1, ColorToRGB(dark)));
  {
    TSelect pen(dc, lightPen.Get());
    POINT topLeft[] = {{0, bottom}, {0, 0}, {right, 0}};
    Polyline(dc, topLeft, 3);
  }
  TSelect pen(dc, darkPen.Get());
  POINT bottomRight[] = {{right, 0}, {right, bottom}, {0, bottom}};
  Polyline(dc, bottomRight, 3);
}
