#include "NativeControl.h"

#include "Application.h"
#include "RuvoError.h"

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

LRESULT CALLBACK TNativeControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
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
