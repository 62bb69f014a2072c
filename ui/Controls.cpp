#include "Controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include "Application.h"
#include "ExportGuard.h"
#include "RuvoError.h"
#include "Timer.h"

// ---- TControl

void TControl::SetBounds(int left, int top, int width, int height) {
  PlaceBy({left, top, width, height});
  TakeAnchorRule();
}

void TControl::PlaceBy(TBounds b) {
  KeepOwnSize(b.Width, b.Height);
  if (b == Bounds()) return;
  Invalidate();
  left_ = b.Left, top_ = b.Top, width_ = b.Width, height_ = b.Height;
  BoundsChanged();
  Invalidate();
}

void TControl::TakeAnchorRule() {
  int w = parent_ ? parent_->ClientWidth() : 0, h = parent_ ? parent_->ClientHeight() : 0;
  rule_ = MakeAnchorRule(rule_.Anchors, Bounds(), w, h);
}

void TControl::SetAnchors(TAnchors anchors) {
  rule_.Anchors = anchors;
  TakeAnchorRule();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible && parent_) {
    // A hidden control lets go of the mouse and its release is delivered now; but one that hides
    // itself in its own press handler (a face swapped for its pressed twin) keeps the press, so
    // that its release and click still reach it.
    if (parent_->pressed_ == this && !parent_->inPressHandler_) parent_->CancelPress();
    if (parent_->hover_ == this) parent_->SetHover(nullptr);
  }
  visible_ = visible;
  VisibleChanged();
  if (Windowless() && parent_ && parent_->Handle()) {
    RECT r{left_, top_, left_ + width_, top_ + height_};
    InvalidateRect(parent_->Handle(), &r, FALSE);
  }
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
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

TShiftState CurrentShiftState() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) & 0x8000) s |= ssShift;
  if (GetKeyState(VK_CONTROL) & 0x8000) s |= ssCtrl;
  if (GetKeyState(VK_MENU) & 0x8000) s |= ssAlt;
  return s;
}

// ---- TWinControl

TWinControl::~TWinControl() {
  pressed_ = hover_ = nullptr;
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
  HWND window =
      CreateWindowExA(exStyle, ToolkitWindowClass(), caption, style, x, y, w, h, parent, nullptr, OwnModule(), this);
  if (!window) throw ERuvoError(Format("Cannot create a window (error %lu).", GetLastError()));
  RECT r;
  GetWindowRect(window, &r);
  // A child's bounds are within its parent.
  if (style & WS_CHILD) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
  // Timers made before the window existed start now.
  for (TTimer* timer : timers_)
    if (timer->Enabled()) timer->Start();
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TDispatchScope scope;
  // A paint or a timer tick that fails leaves its place as it was: a message box there would
  // come back with every paint or tick.
  if (msg == WM_PAINT || msg == WM_TIMER) {
    try {
      return Dispatch(window, msg, wParam, lParam);
    } catch (...) {
      if (msg == WM_PAINT) ValidateRect(window, nullptr);
      return 0;
    }
  }
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
    case WM_MOVE:
      FollowWindow();
      break;
    case WM_SIZE:
      FollowWindow();
      Resized();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(TMouseButton::Left, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::Right, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::Middle, lParam);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(TMouseButton::Left, lParam);
      return 0;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::Right, lParam);
      return 0;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::Middle, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(lParam);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) SetHover(nullptr);
      return 0;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-press (a dialog, another window): release the pressed look.
      if (pressed_ && reinterpret_cast<HWND>(lParam) != handle_) CancelPress();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && SetCursorFor()) return TRUE;
      break;
    case WM_TIMER:
      for (TTimer* timer : timers_)
        if (reinterpret_cast<WPARAM>(timer) == wParam) {
          timer->Tick();
          return 0;
        }
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      PreviewKey(handle_, msg, wParam);
      break;
    case WM_COMMAND:
      if (TNativeControl* native = NativeChild(reinterpret_cast<HWND>(lParam))) {
        native->Command(HIWORD(wParam));
        return 0;
      }
      if (DialogCommand(LOWORD(wParam))) return 0;
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      TNativeControl* native = item.CtlType == ODT_MENU ? nullptr : NativeChild(item.hwndItem);
      if (native && native->DrawItem(item)) return TRUE;
      break;
    }
    case WM_CTLCOLORLISTBOX:
      if (TNativeControl* native = NativeChild(reinterpret_cast<HWND>(lParam)))
        if (HBRUSH brush = native->ControlColor(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
      break;
  }
  return DefWindowProcA(handle_, msg, wParam, lParam);
}

TNativeControl* TWinControl::NativeChild(HWND window) const {
  if (!window) return nullptr;
  for (auto& control : controls_) {
    auto* native = dynamic_cast<TNativeControl*>(control.get());
    if (native && native->Handle() == window) return native;
  }
  return nullptr;
}

void TWinControl::PreviewKey(HWND window, UINT msg, WPARAM key) {
  HWND root = GetAncestor(window, GA_ROOT);
  auto* form = root ? reinterpret_cast<TWinControl*>(GetWindowLongPtrA(root, GWLP_USERDATA)) : nullptr;
  // Only the toolkit's own windows carry an object; the class tells them apart from others.
  char cls[64] = "";
  if (!form || !GetClassNameA(root, cls, sizeof cls) || lstrcmpA(cls, ToolkitWindowClass()) != 0) return;
  form->KeyEvent(msg, WORD(key), CurrentShiftState());
}

TControl* TWinControl::ControlAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = it->get();
    if (!c->Windowless() || !c->visible_) continue;
    if (x >= c->left_ && x < c->left_ + c->width_ && y >= c->top_ && y < c->top_ + c->height_) return c;
  }
  return nullptr;
}

void TWinControl::MouseDown(TMouseButton button, LPARAM pos) {
  if (pressed_) return;  // a second button while one is held changes nothing
  TControl* target = ControlAt(GET_X_LPARAM(pos), GET_Y_LPARAM(pos));
  if (!target) return;
  pressed_ = target;
  pressedButton_ = button;
  SetCapture(handle_);
  if (!target->OnMouseDown) return;
  inPressHandler_ = true;
  struct TPressHandlerScope {
    bool& flag;
    ~TPressHandlerScope() { flag = false; }
  } scope{inPressHandler_};
  target->OnMouseDown(*target, button);
}

void TWinControl::MouseUp(TMouseButton button, LPARAM pos) {
  if (!pressed_ || button != pressedButton_) return;
  TControl* target = std::exchange(pressed_, nullptr);
  if (GetCapture() == handle_) ReleaseCapture();
  if (target->OnMouseUp) target->OnMouseUp(*target, button);
  // The handler may have hidden, moved or removed controls: look again before the click.
  int x = GET_X_LPARAM(pos), y = GET_Y_LPARAM(pos);
  if (button != TMouseButton::Left) return;
  for (auto& control : controls_) {
    if (control.get() != target) continue;
    bool over = x >= target->left_ && x < target->left_ + target->width_ && y >= target->top_ &&
                y < target->top_ + target->height_;
    if (over && target->visible_ && target->OnClick) target->OnClick(*target);
    return;
  }
}

void TWinControl::CancelPress() {
  TControl* target = std::exchange(pressed_, nullptr);
  if (!target) return;
  if (GetCapture() == handle_) ReleaseCapture();
  if (target->OnMouseUp) target->OnMouseUp(*target, pressedButton_);
}

void TWinControl::MouseMove(LPARAM pos) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
  }
  SetHover(ControlAt(GET_X_LPARAM(pos), GET_Y_LPARAM(pos)));
}

void TWinControl::SetHover(TControl* control) {
  if (control == hover_) return;
  TControl* old = std::exchange(hover_, control);
  if (old && old->OnMouseLeave) old->OnMouseLeave(*old);
  // The leave handler may have changed the controls; the new one is looked up again on the next move.
  if (hover_ == control && control && control->OnMouseEnter) control->OnMouseEnter(*control);
}

bool TWinControl::SetCursorFor() {
  POINT p;
  if (!GetCursorPos(&p) || !ScreenToClient(handle_, &p)) return false;
  TControl* c = ControlAt(p.x, p.y);
  if (!c || c->Cursor == TCursor::Default) return false;
  SetCursor(LoadCursor(nullptr, IDC_HAND));
  return true;
}

void TWinControl::PaintWindow() {
  TPaintDC paint(handle_);
  // The buffer covers only what is to be painted; the controls draw at their window positions.
  const RECT& area = paint.Area();
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  TMemoryDC buffer(paint.Get());
  TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(paint.Get(), width, height));
  if (!buffer.Get() || !bitmap) return;
  TSelect selectBitmap(buffer.Get(), bitmap.Get());
  SetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
  TGdiObject<HBRUSH> background(CreateSolidBrush(ColorToRGB(color_)));
  FillRect(buffer.Get(), &area, background.Get());
  for (auto& control : controls_) {
    if (!control->Windowless() || !control->visible_) continue;
    RECT r{control->left_, control->top_, control->left_ + control->width_, control->top_ + control->height_};
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &area)) continue;
    TSavedDC saved(buffer.Get());
    SetViewportOrgEx(buffer.Get(), r.left - area.left, r.top - area.top, nullptr);
    IntersectClipRect(buffer.Get(), 0, 0, control->width_, control->height_);
    // One control that cannot draw leaves its place empty; the others still draw.
    try {
      control->Paint(buffer.Get());
    } catch (...) {
    }
  }
  SetViewportOrgEx(buffer.Get(), 0, 0, nullptr);
  BitBlt(paint.Get(), area.left, area.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TWinControl::FollowWindow() {
  // A minimised window's rectangle says nothing of its place.
  if (!handle_ || IsIconic(handle_)) return;
  RECT r;
  if (!GetWindowRect(handle_, &r)) return;
  if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  TBounds now{r.left, r.top, r.right - r.left, r.bottom - r.top};
  // The toolkit stores its bounds before it moves the window; anything else moved it from outside,
  // which places it as the program's own placing would.
  if (now == Bounds()) return;
  left_ = now.Left, top_ = now.Top, width_ = now.Width, height_ = now.Height;
  TakeAnchorRule();
}

void TWinControl::Resized() {
  int w = ClientWidth(), h = ClientHeight();
  for (auto& control : controls_) {
    if (control->align_ == TAlign::Client)
      control->PlaceBy({0, 0, w, h});
    else
      control->PlaceBy(AnchoredBounds(control->rule_, control->Bounds(), w, h));
  }
  if (OnResize) OnResize(*this);
}

void TWinControl::Adopt(std::unique_ptr<TControl> control) {
  control->parent_ = this;
  TControl& added = *control;
  controls_.push_back(std::move(control));
  // A windowed control needs its parent's window; it gets its own once that exists.
  if (handle_ || added.Windowless()) added.Attached();
  added.TakeAnchorRule();
  added.SetAlign(added.align_);
  added.Invalidate();
}

void TWinControl::AttachChildren() {
  for (auto& control : controls_) {
    if (!control->Windowless()) control->Attached();
    control->TakeAnchorRule();
    control->SetAlign(control->align_);
  }
}

std::unique_ptr<TControl> TWinControl::Extract(TControl& control) {
  for (auto it = controls_.begin(); it != controls_.end(); ++it) {
    if (it->get() != &control) continue;
    if (pressed_ == &control) CancelPress();
    if (hover_ == &control) hover_ = nullptr;
    control.Invalidate();
    std::unique_ptr<TControl> out = std::move(*it);
    controls_.erase(it);
    out->parent_ = nullptr;
    return out;
  }
  return nullptr;
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

void TWinControl::Update() {
  if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinControl::LeaveToParent(const std::vector<TBounds>& areas) {
  if (!handle_) return;
  TGdiObject<HRGN> region(CreateRectRgn(0, 0, Width(), Height()));
  bool cut = false;
  for (const TBounds& a : areas) {
    RECT own{Left(), Top(), Left() + Width(), Top() + Height()},
        area{a.Left, a.Top, a.Left + a.Width, a.Top + a.Height};
    RECT overlap;
    if (!IntersectRect(&overlap, &own, &area)) continue;
    TGdiObject<HRGN> hole(
        CreateRectRgn(overlap.left - Left(), overlap.top - Top(), overlap.right - Left(), overlap.bottom - Top()));
    CombineRgn(region.Get(), region.Get(), hole.Get(), RGN_DIFF);
    cut = true;
  }
  // The window owns a region it is given.
  SetWindowRgn(handle_, cut ? region.Release() : nullptr, TRUE);
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
  if (!handle_) return;
  if (!Visible()) CancelPress();
  ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
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
  FitText();
  Invalidate();
}

void TLabel::SetFont(const TFontSpec& font) {
  font_ = font;
  hasFont_ = true;
  FitText();
  Invalidate();
}

void TLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  FitText();
}

void TLabel::FitText() {
  if (autoSize_) SetBounds(Left(), Top(), Width(), Height());
}

SIZE TLabel::TextSize(int width) {
  TClientDC screen(nullptr);
  TSelect font(screen.Get(), FontFor(hasFont_ ? &font_ : nullptr, fontHandle_, fontHandleSpec_));
  RECT r{0, 0, wordWrap_ ? width : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
  DrawTextA(screen.Get(), caption_.empty() ? " " : caption_.c_str(), -1, &r, flags);
  return SIZE{wordWrap_ ? width : r.right, r.bottom};
}

void TLabel::KeepOwnSize(int& width, int& height) {
  if (!autoSize_) return;
  SIZE text = TextSize(width);
  width = text.cx, height = text.cy;
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
  FitText();
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

void TLabel::SetPathEllipsis(bool on) {
  pathEllipsis_ = on;
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
  if (pathEllipsis_) flags |= DT_SINGLELINE | DT_PATH_ELLIPSIS;
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
  if (autoSize_) SetBounds(Bounds());
  Invalidate();
}

void TImage::SetFit(TImageFit fit) {
  fit_ = fit;
  Invalidate();
}

void TImage::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_) SetBounds(Bounds());
}

void TImage::KeepOwnSize(int& width, int& height) {
  if (autoSize_ && picture_) width = picture_.Width(), height = picture_.Height();
}

namespace {
BITMAPINFO PictureInfo(const TPicture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top row first, as the picture stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A picture with alpha as a DIB with its colours premultiplied, as AlphaBlend wants them.
TGdiObject<HBITMAP> MakePremultipliedBitmap(const TPicture& picture) {
  BITMAPINFO info = PictureInfo(picture);
  void* bits = nullptr;
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  const uint32_t* src = picture.Pixels();
  auto* dst = static_cast<uint32_t*>(bits);
  size_t count = size_t(picture.Width()) * size_t(picture.Height());
  for (size_t i = 0; i < count; ++i) {
    uint32_t p = src[i];
    uint32_t a = p >> 24;
    uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
    dst[i] = a << 24 | r << 16 | g << 8 | b;
  }
  GdiFlush();
  return bitmap;
}
}  // namespace

void TImage::Paint(HDC dc) {
  if (!picture_) return;
  TDrawRect d = ImageDestRect(picture_.Width(), picture_.Height(), Width(), Height(), fit_);
  int w = picture_.Width(), h = picture_.Height();
  if (picture_.Kind() == TPictureKind::Alpha) {
    if (!bitmap_) bitmap_ = MakePremultipliedBitmap(picture_);
    if (!bitmap_) return;
    TMemoryDC source(dc);
    TSelect select(source.Get(), bitmap_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, d.Left, d.Top, d.Width, d.Height, source.Get(), 0, 0, w, h, blend);
    return;
  }
  // An opaque picture is drawn from its own pixels, which the pictures share: no control keeps a
  // copy of them (a page of thumbnails, or several screens on one background).
  BITMAPINFO info = PictureInfo(picture_);
  if (d.Width == w && d.Height == h) {
    SetDIBitsToDevice(dc, d.Left, d.Top, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), picture_.Pixels(), &info,
                      DIB_RGB_COLORS);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, d.Left, d.Top, d.Width, d.Height, 0, 0, w, h, picture_.Pixels(), &info, DIB_RGB_COLORS, SRCCOPY);
  }
}

// ---- TBevel

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

// ---- TNativeControl

TNativeControl::~TNativeControl() {
  // Another thread's window goes with its parent when that thread closes it.
  if (handle_ && GetWindowThreadProcessId(handle_, nullptr) == GetCurrentThreadId()) {
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
  handle_ = nullptr;
}

void TNativeControl::Attached() {
  HWND parent = Parent() ? Parent()->Handle() : nullptr;
  handle_ = CreateWindowExA(ExStyle(), ClassName(), caption_.c_str(),
                            WS_CHILD | (Visible() ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED) | Style(), Left(),
                            Top(), Width(), Height(), parent, nullptr, OwnModule(), nullptr);
  if (!handle_) throw ERuvoError(Format("Cannot create a %s control (error %lu).", ClassName(), GetLastError()));
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  oldProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TNativeControl::SubclassProc)));
  ParentFontChanged();
  Created();
}

LRESULT CALLBACK TNativeControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TNativeControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  WNDPROC old = self ? self->oldProc_ : &DefWindowProcA;
  if (msg == WM_KEYDOWN || msg == WM_KEYUP) {
    TDispatchScope scope;
    try {
      TWinControl::PreviewKey(window, msg, wParam);
    } catch (...) {
    }
  }
  if (msg == WM_NCDESTROY && self) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return CallWindowProcA(old, window, msg, wParam, lParam);
}

std::string TNativeControl::Caption() const { return caption_; }

void TNativeControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (handle_) SetWindowTextA(handle_, caption_.c_str());
}

void TNativeControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
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
