#include "CustomLabel.h"

void TCustomLabel::CaptionChanged() {
  FitText();
  Invalidate();
}

void TCustomLabel::SetFont(const TFontSpec& font) {
  font_ = font;
  hasFont_ = true;
  FitText();
  Invalidate();
}

const TFontSpec& TCustomLabel::Font() const {
  static const TFontSpec kDefault;
  return hasFont_ ? font_ : Parent() ? Parent()->Font() : kDefault;
}

HFONT TCustomLabel::DrawingFont() {
  if (!hasFont_) return Parent() ? Parent()->FontHandle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (!fontHandle_ || fontHandleSpec_ != font_) {
    fontHandle_ = CreateFontFor(font_);
    fontHandleSpec_ = font_;
  }
  return fontHandle_.Get();
}

void TCustomLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  FitText();
}

void TCustomLabel::FitText() {
  if (autoSize_) SetBounds(Left(), Top(), Width(), Height());
}

SIZE TCustomLabel::TextSize(int width) {
  TClientDC screen(nullptr);
  TSelect font(screen.Get(), DrawingFont());
  RECT r{0, 0, wordWrap_ ? width : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
  // An empty label keeps the height of a line.
  if (CaptionEmpty())
    DrawTextA(screen.Get(), " ", -1, &r, flags);
  else
    DrawCaption(screen.Get(), r, flags);
  return SIZE{wordWrap_ ? width : r.right, r.bottom};
}

void TCustomLabel::KeepOwnSize(int& width, int& height) {
  if (!autoSize_) return;
  SIZE text = TextSize(width);
  width = text.cx, height = text.cy;
}

void TCustomLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout l) {
  layout_ = l;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool on) {
  wordWrap_ = on;
  FitText();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool on) {
  showAccelChar_ = on;
  Invalidate();
}

void TCustomLabel::SetPathEllipsis(bool on) {
  pathEllipsis_ = on;
  Invalidate();
}

void TCustomLabel::SetColor(TColor color) {
  color_ = color;
  hasColor_ = true;
  Invalidate();
}

void TCustomLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) {
    TColor back = hasColor_ ? color_ : Parent() ? Parent()->Color() : clBtnFace;
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(back)));
    FillRect(dc, &r, brush.Get());
  }
  if (CaptionEmpty()) return;
  TSelect font(dc, DrawingFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_EXPANDTABS;
  flags |= alignment_ == TAlignment::Center ? DT_CENTER : alignment_ == TAlignment::Right ? DT_RIGHT : DT_LEFT;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (pathEllipsis_) flags |= DT_SINGLELINE | DT_PATH_ELLIPSIS;
  if (layout_ != TTextLayout::Top) {
    RECT measured = r;
    DrawCaption(dc, measured, flags | DT_CALCRECT);
    int textHeight = measured.bottom - measured.top;
    r.top = layout_ == TTextLayout::Center ? (Height() - textHeight) / 2 : Height() - textHeight;
    r.bottom = r.top + textHeight;
  }
  DrawCaption(dc, r, flags);
}
