// What the two labels share: the font (its own or its window's), the background of an opaque
// label, alignment, layout, word wrap, accelerator characters, path ellipsis and auto-size. TLabel
// holds 8-bit text and TTntLabel UTF-16; drawing the caption is all that differs.
#pragma once

#include "Control.h"

enum class TAlignment { Left, Right, Center };
enum class TTextLayout { Top, Center, Bottom };

class TCustomLabel : public TGraphicControl {
 public:
  // Without a font of its own the label uses its window's.
  void SetFont(const TFontSpec& font);
  const TFontSpec& Font() const;
  void SetAlignment(TAlignment a);
  void SetLayout(TTextLayout l);
  void SetWordWrap(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetTransparent(bool on);
  // With accelerator characters on, "&x" underlines x and "&&" shows one ampersand.
  void SetShowAccelChar(bool on);
  // A path too long for one line is shortened with an ellipsis inside it, keeping its file name.
  void SetPathEllipsis(bool on);
  // The background of an opaque label; its window's colour unless set.
  void SetColor(TColor color);
  // With auto-size on, the label takes the size of its text (keeping its width when it wraps).
  void SetAutoSize(bool on);

 protected:
  TCustomLabel() = default;
  void Paint(HDC dc) override;
  void KeepOwnSize(int& width, int& height) override;
  void CaptionChanged();
  virtual bool CaptionEmpty() const = 0;
  // DrawText of the caption, in the caption's own character type.
  virtual void DrawCaption(HDC dc, RECT& r, UINT flags) = 0;

 private:
  bool hasFont_ = false;
  TFontSpec font_;
  TGdiObject<HFONT> fontHandle_;
  TFontSpec fontHandleSpec_;
  TAlignment alignment_ = TAlignment::Left;
  TTextLayout layout_ = TTextLayout::Top;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  bool pathEllipsis_ = false;
  bool hasColor_ = false;
  TColor color_ = clBtnFace;
  bool autoSize_ = false;
  HFONT DrawingFont();
  void FitText();
  // The text's size: one line's width, or wrapped within `width`.
  SIZE TextSize(int width);
};
