// A top-level window laid out with controls.
#pragma once

#include <functional>
#include <string>

#include "Controls.h"

class TButton;

enum class TBorderStyle {
  None,         // no border and no caption bar
  SingleFixed,  // caption bar and a thin border that cannot be dragged to resize
  Dialog,       // caption bar with a close button and a dialog frame; fixed size
};

enum class TFormPosition {
  Designed,         // where its bounds put it
  ScreenCenter,     // centred on the primary screen whenever it is shown
  OwnerFormCenter,  // centred on its owner form whenever it is shown
};

class TForm : public TWinControl {
 public:
  // Created hidden. Without a system menu the caption bar has no buttons. An owned form stays
  // above its owner and goes with it.
  TForm(TBorderStyle border, bool systemMenu, TForm* owner = nullptr);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Sizes the window so that its client area is width x height.
  void SetClientSize(int width, int height);
  TFormPosition Position = TFormPosition::Designed;

  // Shows the window, not modally: the call returns at once.
  void Show();

  // Shows the window and handles messages until ModalResult is set or the window goes; the owner
  // takes no input meanwhile. Returns the ModalResult (IDCANCEL when the window was closed).
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool InModal() const { return inModal_; }

  // Enter clicks the default button and Esc the cancel button while the form is shown modally;
  // one button may be both.
  void SetDefaultButton(TButton* button);
  void SetCancelButton(TButton* button) { cancelButton_ = button; }

  // A message box owned by this form; returns the button pressed (IDYES, IDNO, ...).
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
  // Ends every modal form and message box this form has open, as their cancel would (No for a
  // Yes/No box). They return once their callers' loops see it.
  void EndOwnedModals();

  // With key preview on, the form sees every key released in any of its controls, before them;
  // only a key whose press it saw too, so a key that closed a dialog does not arrive here.
  bool KeyPreview = false;
  std::function<void(TForm&, WORD key, TShiftState shift)> OnKeyUp;
  // Asked on every close request (Alt+F4, the close button); false refuses it.
  std::function<bool(TForm&)> OnCloseQuery;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void KeyEvent(UINT msg, WORD key, TShiftState shift) override;

 private:
  bool DialogKey(const MSG& msg);

  DWORD style_;
  DWORD exStyle_;
  int modalResult_ = 0;
  bool inModal_ = false;
  UINT boxFlags_ = 0;
  TButton* defaultButton_ = nullptr;
  TButton* cancelButton_ = nullptr;
  bool keyDown_[256] = {};
};
