#include "Controls.h"

#include <commctrl.h>

#include "Application.h"
#include "ExportGuard.h"
#include "RuvoError.h"

// ---- TControl

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left, top_ = top, width_ = width, height_ = height;
  BoundsChanged();
  Invalidate();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (Windowless() && parent_ && parent_->Handle()) {
    RECT r{left_, top_, left_ + width_, top_ + height_};
    InvalidateRect(parent_->Handle(), &r, FALSE);
  }
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  if (align == TAlign::Client && parent_) SetBounds(0, 0, parent_->ClientWidth(), parent_->ClientHeight());
}

void TControl::Invalidate() {
  if (!visible_ || !parent_ || !parent_->Handle()) return;
  RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->Handle(), &r, FALSE);
}

// ---- TWinControl

TWinControl::~TWinControl() {
  controls_.clear();
  if (handle_) {
    // Messages sent while the window goes away must not reach a half-destroyed object.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    HWND window = std::exchange(handle_, nullptr);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
      DestroyWindow(window);
    } else {
      // Only the owning thread can destroy it (the library unloaded from another thread): take
      // our window procedure out of its path, which may be unloaded next, and let the owner close it.
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
  }
}

void TWinControl::CreateHandle(DWORD exStyle, DWORD style, HWND parent, const char* caption, int x, int y, int w,
                               int h) {
  HWND window = CreateWindowExA(exStyle, ToolkitWindowClass(), caption, style, x, y, w, h, parent, nullptr,
                                OwnModule(), this);
  if (!window) throw ERuvoError(Format("Cannot create a window (error %lu).", GetLastError()));
  RECT r;
  GetWindowRect(window, &r);
  left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  RUVO_GUARDED(0, return Dispatch(window, msg, wParam, lParam);)
}

LRESULT TWinControl::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  return self->WndProc(msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole buffer
    case WM_PAINT:
      PaintWindow();
      return 0;
    case WM_SIZE:
      AlignControls();
      break;
  }
  return DefWindowProcA(handle_, msg, wParam, lParam);
}

void TWinControl::PaintWindow() {
  TPaintDC paint(handle_);
  RECT client;
  GetClientRect(handle_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  TMemoryDC buffer(paint.Get());
  TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
  if (!buffer.Get() || !bitmap) return;
  TSelect selectBitmap(buffer.Get(), bitmap.Get());
  TGdiObject<HBRUSH> background(CreateSolidBrush(ColorToRGB(color_)));
  FillRect(buffer.Get(), &client, background.Get());
  const RECT& area = paint.Area();
  for (auto& control : controls_) {
    if (!control->Windowless() || !control->visible_) continue;
    RECT r{control->left_, control->top_, control->left_ + control->width_, control->top_ + control->height_};
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &area)) continue;
    TSavedDC saved(buffer.Get());
    SetViewportOrgEx(buffer.Get(), r.left, r.top, nullptr);
    IntersectClipRect(buffer.Get(), 0, 0, control->width_, control->height_);
    control->Paint(buffer.Get());
  }
  BitBlt(paint.Get(), area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.Get(), area.left,
         area.top, SRCCOPY);
}

void TWinControl::AlignControls() {
  for (auto& control : controls_)
    if (control->align_ == TAlign::Client) control->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TWinControl::Adopt(std::unique_ptr<TControl> control) {
  control->parent_ = this;
  TControl& added = *control;
  controls_.push_back(std::move(control));
  added.Attached();
  added.SetAlign(added.align_);
  added.Invalidate();
}

void TWinControl::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void TWinControl::SetFont(const TFontSpec& font) {
  // Native controls hold the old font handle: hand them the new one before the old one goes.
  TGdiObject<HFONT> old = std::move(fontHandle_);
  font_ = font;
  fontHandle_ = CreateFontFor(font_);
  for (auto& control : controls_) control->ParentFontChanged();
  Invalidate();
}

HFONT TWinControl::FontHandle() {
  if (!fontHandle_) fontHandle_ = CreateFontFor(font_);
  return fontHandle_.Get();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::Repaint() {
  if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int TWinControl::ClientWidth() const {
  RECT r{};
  if (handle_) GetClientRect(handle_, &r);
  return r.right;
}

int TWinControl::ClientHeight() const {
  RECT r{};
  if (handle_) GetClientRect(handle_, &r);
  return r.bottom;
}

void TWinControl::BoundsChanged() {
  if (handle_) {
    // A top-level window's bounds are on the screen, a child's within its parent.
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
}

// ---- TGraphicControl

HFONT TGraphicControl::FontFor(const TFontSpec* own, TGdiObject<HFONT>& cache, TFontSpec& cachedSpec) {
  if (!own) return Parent() ? Parent()->FontHandle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (!cache || cachedSpec != *own) {
    cache = CreateFontFor(*own);
    cachedSpec = *own;
  }
  return cache.Get();
}

// ---- TLabel

void TLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void TLabel::SetFont(const TFontSpec& font) {
  font_ = font;
  hasFont_ = true;
  Invalidate();
}

const TFontSpec& TLabel::Font() const {
  static const TFontSpec kDefault;
  return hasFont_ ? font_ : Parent() ? Parent()->Font() : kDefault;
}

void TLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout l) {
  layout_ = l;
  Invalidate();
}

void TLabel::SetWordWrap(bool on) {
  wordWrap_ = on;
  Invalidate();
}

void TLabel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool on) {
  showAccelChar_ = on;
  Invalidate();
}

void TLabel::SetColor(TColor color) {
  color_ = color;
  hasColor_ = true;
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) {
    TColor back = hasColor_ ? color_ : Parent() ? Parent()->Color() : clBtnFace;
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(back)));
    FillRect(dc, &r, brush.Get());
  }
  if (caption_.empty()) return;
  TSelect font(dc, FontFor(hasFont_ ? &font_ : nullptr, fontHandle_, fontHandleSpec_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_EXPANDTABS;
  flags |= alignment_ == TAlignment::Center ? DT_CENTER : alignment_ == TAlignment::Right ? DT_RIGHT : DT_LEFT;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (layout_ != TTextLayout::Top) {
    RECT measured = r;
    DrawTextA(dc, caption_.c_str(), -1, &measured, flags | DT_CALCRECT);
    int textHeight = measured.bottom - measured.top;
    r.top = layout_ == TTextLayout::Center ? (Height() - textHeight) / 2 : Height() - textHeight;
    r.bottom = r.top + textHeight;
  }
  DrawTextA(dc, caption_.c_str(), -1, &r, flags);
}

// ---- TImage

void TImage::SetPicture(const TPicture& picture) {
  picture_ = picture;
  bitmap_.Reset();
  if (autoSize_ && picture_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Invalidate();
}

void TImage::SetFit(TImageFit fit) {
  fit_ = fit;
  Invalidate();
}

void TImage::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_ && picture_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

namespace {
TGdiObject<HBITMAP> MakeBitmap(const TPicture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top row first, as the picture stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  const uint32_t* src = picture.Pixels();
  auto* dst = static_cast<uint32_t*>(bits);
  size_t count = size_t(picture.Width()) * size_t(picture.Height());
  bool premultiply = picture.Kind() == TPictureKind::Alpha;
  for (size_t i = 0; i < count; ++i) {
    uint32_t p = src[i];
    if (premultiply) {
      uint32_t a = p >> 24;
      uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
      p = a << 24 | r << 16 | g << 8 | b;
    }
    dst[i] = p;
  }
  GdiFlush();
  return bitmap;
}
}  // namespace

void TImage::Paint(HDC dc) {
  if (!picture_) return;
  TDrawRect d = ImageDestRect(picture_.Width(), picture_.Height(), Width(), Height(), fit_);
  if (!bitmap_) bitmap_ = MakeBitmap(picture_);
  if (!bitmap_) return;
  TMemoryDC source(dc);
  TSelect select(source.Get(), bitmap_.Get());
  if (picture_.Kind() == TPictureKind::Alpha) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, picture_.Width(), picture_.Height(), blend);
  } else if (d.Width == picture_.Width() && d.Height == picture_.Height()) {
    BitBlt(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, picture_.Width(), picture_.Height(), SRCCOPY);
  }
}

// ---- TBevel

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  Invalidate();
}

void TBevel::Paint(HDC dc) {
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

// ---- TNativeControl

TNativeControl::~TNativeControl() {
  // Another thread's window goes with its parent when that thread closes it.
  if (handle_ && GetWindowThreadProcessId(handle_, nullptr) == GetCurrentThreadId()) DestroyWindow(handle_);
  handle_ = nullptr;
}

void TNativeControl::Attached() {
  HWND parent = Parent() ? Parent()->Handle() : nullptr;
  handle_ = CreateWindowExA(0, ClassName(), "", WS_CHILD | (Visible() ? WS_VISIBLE : 0) | Style(), Left(), Top(),
                            Width(), Height(), parent, nullptr, OwnModule(), nullptr);
  if (!handle_) throw ERuvoError(Format("Cannot create a %s control (error %lu).", ClassName(), GetLastError()));
  ParentFontChanged();
  Created();
}

void TNativeControl::ParentFontChanged() {
  if (handle_ && Parent()) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Parent()->FontHandle()), FALSE);
}

void TNativeControl::BoundsChanged() {
  if (handle_) SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TNativeControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
}

// ---- TProgressBar

const char* TProgressBar::ClassName() const {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  return PROGRESS_CLASSA;
}

void TProgressBar::Created() {
  SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageA(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetMin(int32_t value) {
  min_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetMax(int32_t value) {
  max_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetPosition(int32_t value) {
  position_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETPOS, WPARAM(value), 0);
}
