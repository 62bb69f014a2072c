// A toolkit window's messages: the window procedure that finds its object, and the mouse and keys
// it passes on to the windowless controls and the form.
#include <windowsx.h>

#include "Application.h"
#include "Control.h"
#include "ExportGuard.h"
#include "NativeControl.h"
#include "Timer.h"

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
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
  try {
    return Dispatch(window, msg, wParam, lParam);
  }
  RUVO_CATCH(0)
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
    if (c->Windowless() && c->visible_ && c->bounds_.Contains(x, y)) return c;
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
    if (target->visible_ && target->bounds_.Contains(x, y) && target->OnClick) target->OnClick(*target);
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
