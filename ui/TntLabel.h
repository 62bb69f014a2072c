// A label for Unicode (UTF-16) text: the speaker notes. Drawn like TLabel, top left in its bounds,
// with its own font or its window's.
#pragma once

#include <string>

#include "Controls.h"

class TTntLabel : public TGraphicControl {
 public:
  TTntLabel() = default;
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  void SetFont(const TFontSpec& font);
  const TFontSpec& Font() const;
  void SetWordWrap(bool on);
  void SetTransparent(bool on);
  // With accelerator characters on, "&x" underlines x and "&&" shows one ampersand.
  void SetShowAccelChar(bool on);

 protected:
  void Paint(HDC dc) override;

 private:
  std::wstring caption_;
  bool hasFont_ = false;
  TFontSpec font_;
  TGdiObject<HFONT> fontHandle_;
  TFontSpec fontHandleSpec_;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
};
