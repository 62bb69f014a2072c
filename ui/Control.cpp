#include "Control.h"

#include "Application.h"
#include "RuvoError.h"
#include "Timer.h"

namespace {
// A top-level window's place is on the screen, a child's within its parent.
bool WindowPlace(HWND window, TBounds& place) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  place = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  return true;
}
}  // namespace

void TControl::SetBounds(int left, int top, int width, int height) {
  PlaceBy({left, top, width, height});
  TakeAnchorRule();
}

void TControl::PlaceBy(TBounds b) {
  KeepOwnSize(b.Width, b.Height);
  if (b == Bounds()) return;
  Invalidate();
  bounds_ = b;
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
    RECT r = ToRect(bounds_);
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
  RECT r = ToRect(bounds_);
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
  WindowPlace(window, bounds_);
  // Timers made before the window existed start now.
  for (TTimer* timer : timers_)
    if (timer->Enabled()) timer->Start();
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
    RECT r = ToRect(control->bounds_);
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &area)) continue;
    TSavedDC saved(buffer.Get());
    SetViewportOrgEx(buffer.Get(), r.left - area.left, r.top - area.top, nullptr);
    IntersectClipRect(buffer.Get(), 0, 0, control->Width(), control->Height());
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
  TBounds now;
  if (!WindowPlace(handle_, now)) return;
  // The toolkit stores its bounds before it moves the window; anything else moved it from outside,
  // which places it as the program's own placing would.
  if (now == Bounds()) return;
  bounds_ = now;
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
  // A windowed control needs its parent's window; it gets its own once that exists. One whose
  // window cannot be made is not kept.
  try {
    if (handle_ || added.Windowless()) added.Attached();
  } catch (...) {
    controls_.pop_back();
    throw;
  }
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
    RECT own = ToRect(Bounds()), area = ToRect(a);
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
