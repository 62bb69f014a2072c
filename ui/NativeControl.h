// A control that is a real Win32 child window of its parent. Its key releases reach the form's
// key preview, as keys of every other control do.
#pragma once

#include <string>

#include "Control.h"

class TNativeControl : public TControl {
 public:
  ~TNativeControl() override;
  HWND Handle() const { return handle_; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

 protected:
  bool Windowless() const override { return false; }
  void Attached() override;
  void ParentFontChanged() override;
  void BoundsChanged() override;
  void VisibleChanged() override;
  virtual const char* ClassName() const = 0;
  virtual DWORD Style() const { return 0; }
  virtual DWORD ExStyle() const { return 0; }
  virtual void Created() {}
  // A WM_COMMAND notification the control sent to its parent.
  virtual void Command(WORD) {}
  // An owner-drawn control's item to draw (WM_DRAWITEM to its parent); true when drawn.
  virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
  // The brush behind a list control (WM_CTLCOLORLISTBOX to its parent); null for the default.
  virtual HBRUSH ControlColor(HDC) { return nullptr; }

 private:
  friend class TWinControl;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  HWND handle_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  std::string caption_;
  bool enabled_ = true;
};
