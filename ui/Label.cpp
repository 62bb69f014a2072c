#include "Label.h"

void TLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CaptionChanged();
}

void TLabel::DrawCaption(HDC dc, RECT& r, UINT flags) { DrawTextA(dc, caption_.c_str(), -1, &r, flags); }
