// The base of the control toolkit: controls with bounds, visibility and a Tag, and the windows
// that hold them and paint their windowless controls double-buffered.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "AnchorLayout.h"
#include "Font.h"
#include "Gdi.h"

class TWinControl;
class TNativeControl;
class TTimer;

enum class TAlign { None, Client };
enum class TMouseButton { Left, Right, Middle };
enum class TCursor { Default, HandPoint };

class TControl {
 public:
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }
  TBounds Bounds() const { return bounds_; }
  // Placing a control by program also takes its anchor distances anew.
  void SetBounds(int left, int top, int width, int height);
  void SetBounds(const TBounds& b) { SetBounds(b.Left, b.Top, b.Width, b.Height); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return rule_.Anchors; }
  void SetAnchors(TAnchors anchors);
  TWinControl* Parent() const { return parent_; }
  // True when this control and every window up to the top-level one are visible.
  bool Showing() const;

  // State the screens keep on a control; the control itself never reads it.
  int32_t Tag = 0;

  // Mouse events. A visible control takes the mouse over its bounds whether or not it has
  // handlers; a click is a left press and release over the same control. A control hidden while
  // pressed gets its release at once, unless its own press handler hid it.
  std::function<void(TControl&)> OnClick;
  std::function<void(TControl&, TMouseButton)> OnMouseDown;
  std::function<void(TControl&, TMouseButton)> OnMouseUp;
  std::function<void(TControl&)> OnMouseEnter;
  std::function<void(TControl&)> OnMouseLeave;
  TCursor Cursor = TCursor::Default;

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
  // An auto-sized control gives the size of its content here. Every placement goes through it, so
  // anchors and alignment move such a control but never stretch it.
  virtual void KeepOwnSize(int& /*width*/, int& /*height*/) {}

 private:
  friend class TWinControl;
  void PlaceBy(TBounds b);  // moves without taking new anchor distances
  void TakeAnchorRule();

  TWinControl* parent_ = nullptr;
  TBounds bounds_;
  bool visible_ = true;
  TAlign align_ = TAlign::None;
  TAnchorRule rule_;
};

// Key state of a key event: which of Shift, Ctrl and Alt were held.
enum TShiftFlag : uint8_t { ssShift = 1, ssCtrl = 2, ssAlt = 4 };
using TShiftState = uint8_t;
// The modifier keys held now, as the calling thread's key state records them.
TShiftState CurrentShiftState();

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
  // Places a control made elsewhere on this window, which then owns it.
  template <class T>
  T& Insert(std::unique_ptr<T> control) {
    T& ref = *control;
    Adopt(std::move(control));
    return ref;
  }
  // Takes a control off this window and hands it to the caller, who frees it.
  std::unique_ptr<TControl> Extract(TControl& control);

  void Invalidate() override;
  // Paints the window and all its controls now, without waiting for the message loop.
  void Repaint();
  // Paints now, without waiting for the message loop, whatever of the window and its controls
  // is waiting to be painted.
  void Update();
  int ClientWidth() const;
  int ClientHeight() const;

  // Gives these areas of the parent window (in its coordinates) back to the parent: this window
  // neither paints nor takes the mouse there, so the parent's windowless controls show in front.
  void LeaveToParent(const std::vector<TBounds>& areas);

  // Called after every change of the window's size, once anchors and alignment have been applied.
  std::function<void(TWinControl&)> OnResize;

  // The window procedure of every toolkit window: binds the object at WM_NCCREATE, then forwards.
  static LRESULT CALLBACK StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

 protected:
  TWinControl() = default;
  bool Windowless() const override { return false; }
  void CreateHandle(DWORD exStyle, DWORD style, HWND parent, const char* caption, int x, int y, int w, int h);
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void BoundsChanged() override;
  void VisibleChanged() override;
  // Makes the windows of controls added before this window had one, and takes their anchor
  // distances against its size.
  void AttachChildren();
  // A key pressed (WM_KEYDOWN) or released (WM_KEYUP) in this window or in one of its controls;
  // the top-level form's preview.
  virtual void KeyEvent(UINT, WORD, TShiftState) {}
  // A command from a native child that names no child of this window (IDOK and IDCANCEL of a
  // dialog key); true when handled.
  virtual bool DialogCommand(WORD) { return false; }

 private:
  friend class TControl;
  friend class TTimer;
  friend class TNativeControl;
  static LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  TNativeControl* NativeChild(HWND window) const;
  void Adopt(std::unique_ptr<TControl> control);
  void PaintWindow();
  // The window was moved or sized, by the toolkit or from outside: the stored bounds follow it.
  void FollowWindow();
  void Resized();
  TControl* ControlAt(int x, int y) const;
  void MouseDown(TMouseButton button, LPARAM pos);
  void MouseUp(TMouseButton button, LPARAM pos);
  void MouseMove(LPARAM pos);
  void SetHover(TControl* control);
  void CancelPress();
  bool SetCursorFor();
  // Offers a key press or release to the top-level form of a window, for its key preview.
  static void PreviewKey(HWND window, UINT msg, WPARAM key);

  HWND handle_ = nullptr;
  TColor color_ = clBtnFace;
  TFontSpec font_;
  TGdiObject<HFONT> fontHandle_;
  std::vector<std::unique_ptr<TControl>> controls_;
  std::vector<TTimer*> timers_;
  TControl* pressed_ = nullptr;  // the windowless control that holds the mouse capture
  bool inPressHandler_ = false;  // the pressed control's OnMouseDown is running
  TMouseButton pressedButton_ = TMouseButton::Left;
  TControl* hover_ = nullptr;
  bool trackingLeave_ = false;
};

// A windowless control: drawn by its window into the window's buffer.
class TGraphicControl : public TControl {};

// Here rather than beside TBounds: core knows no Windows types.
inline RECT ToRect(const TBounds& b) { return RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height}; }
