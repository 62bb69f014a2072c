#include "TntLabel.h"

void TTntLabel::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void TTntLabel::SetFont(const TFontSpec& font) {
  font_ = font;
  hasFont_ = true;
  Invalidate();
}

const TFontSpec& TTntLabel::Font() const {
  static const TFontSpec kDefault;
  return hasFont_ ? font_ : Parent() ? Parent()->Font() : kDefault;
}

void TTntLabel::SetWordWrap(bool on) {
  wordWrap_ = on;
  Invalidate();
}

void TTntLabel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void TTntLabel::SetShowAccelChar(bool on) {
  showAccelChar_ = on;
  Invalidate();
}

void TTntLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) {
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Parent() ? Parent()->Color() : clBtnFace)));
    FillRect(dc, &r, brush.Get());
  }
  if (caption_.empty()) return;
  TSelect font(dc, FontFor(hasFont_ ? &font_ : nullptr, fontHandle_, fontHandleSpec_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_EXPANDTABS | DT_LEFT | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &r, flags);
}
