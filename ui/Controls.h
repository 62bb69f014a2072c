// The control toolkit: controls with bounds, visibility and a Tag, placed on windows that paint
// their windowless controls double-buffered; native Win32 controls where a real one is wanted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Font.h"
#include "Gdi.h"
#include "ImageRect.h"
#include "Picture.h"

class TWinControl;

enum class TAlign { None, Client };

class TControl {
 public:
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TWinControl* Parent() const { return parent_; }

  // State the screens keep on a control; the control itself never reads it.
  int32_t Tag = 0;

  // Marks the control's area for the next paint of its window.
  virtual void Invalidate();

 protected:
  TControl() = default;
  // Windowless controls are drawn by their window, at the origin of their own bounds.
  virtual bool Windowless() const { return true; }
  virtual void Paint(HDC) {}
  virtual void Attached() {}
  virtual void ParentFontChanged() {}
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  TAlign align_ = TAlign::None;
};

// A control with a window of its own that holds further controls.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  HWND Handle() const { return handle_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& font);
  HFONT FontHandle();

  // Creates a control on this window; the window owns it, and later ones lie above earlier ones.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *control;
    Adopt(std::move(control));
    return ref;
  }

  void Invalidate() override;
  // Paints the window and all its controls now, without waiting for the message loop.
  void Repaint();
  int ClientWidth() const;
  int ClientHeight() const;

  // The window procedure of every toolkit window: binds the object at WM_NCCREATE, then forwards.
  static LRESULT CALLBACK StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  TWinControl() = default;
  bool Windowless() const override { return false; }
  void CreateHandle(DWORD exStyle, DWORD style, HWND parent, const char* caption, int x, int y, int w, int h);
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void BoundsChanged() override;
  void VisibleChanged() override;

 private:
  static LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Adopt(std::unique_ptr<TControl> control);
  void PaintWindow();
  void AlignControls();

  HWND handle_ = nullptr;
  TColor color_ = clBtnFace;
  TFontSpec font_;
  TGdiObject<HFONT> fontHandle_;
  std::vector<std::unique_ptr<TControl>> controls_;
};

// A windowless control: drawn by its window into the window's buffer.
class TGraphicControl : public TControl {
 protected:
  // The font to draw with: its own when it has one, else its window's.
  HFONT FontFor(const TFontSpec* own, TGdiObject<HFONT>& cache, TFontSpec& cachedSpec);
};

enum class TAlignment { Left, Right, Center };
enum class TTextLayout { Top, Center, Bottom };

class TLabel : public TGraphicControl {
 public:
  TLabel() = default;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
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
  // The background of an opaque label; its window's colour unless set.
  void SetColor(TColor color);

 protected:
  void Paint(HDC dc) override;

 private:
  std::string caption_;
  bool hasFont_ = false;
  TFontSpec font_;
  TGdiObject<HFONT> fontHandle_;
  TFontSpec fontHandleSpec_;
  TAlignment alignment_ = TAlignment::Left;
  TTextLayout layout_ = TTextLayout::Top;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  bool hasColor_ = false;
  TColor color_ = clBtnFace;
};

class TImage : public TGraphicControl {
 public:
  TImage() = default;
  // The control keeps a reference; the picture is shared, never copied.
  void SetPicture(const TPicture& picture);
  const TPicture& Picture() const { return picture_; }
  void SetFit(TImageFit fit);
  // With auto-size on, the control takes its picture's size whenever the picture changes.
  void SetAutoSize(bool on);

 protected:
  void Paint(HDC dc) override;

 private:
  TPicture picture_;
  TImageFit fit_;
  bool autoSize_ = false;
  TGdiObject<HBITMAP> bitmap_;  // the picture as a DIB (premultiplied when it has alpha), made at first paint
};

enum class TBevelStyle { Lowered, Raised };

// A box drawn with a highlight and a shadow edge.
class TBevel : public TGraphicControl {
 public:
  TBevel() = default;
  void SetStyle(TBevelStyle style);

 protected:
  void Paint(HDC dc) override;

 private:
  TBevelStyle style_ = TBevelStyle::Lowered;
};

// A control that is a real Win32 child window of its parent.
class TNativeControl : public TControl {
 public:
  ~TNativeControl() override;
  HWND Handle() const { return handle_; }

 protected:
  bool Windowless() const override { return false; }
  void Attached() override;
  void ParentFontChanged() override;
  void BoundsChanged() override;
  void VisibleChanged() override;
  virtual const char* ClassName() const = 0;
  virtual DWORD Style() const { return 0; }
  virtual void Created() {}

 private:
  HWND handle_ = nullptr;
};

class TProgressBar : public TNativeControl {
 public:
  TProgressBar() = default;
  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  int32_t Position() const { return position_; }
  void SetMin(int32_t value);
  void SetMax(int32_t value);
  // Passed to the control unchanged, also outside Min to Max.
  void SetPosition(int32_t value);

 protected:
  const char* ClassName() const override;
  void Created() override;

 private:
  int32_t min_ = 0, max_ = 100, position_ = 0;
};
