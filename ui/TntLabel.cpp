#include "TntLabel.h"

void TTntLabel::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CaptionChanged();
}

void TTntLabel::DrawCaption(HDC dc, RECT& r, UINT flags) {
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &r, flags);
}
