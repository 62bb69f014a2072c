// A top-level window laid out with controls.
#pragma once

#include <string>

#include "Controls.h"

enum class TBorderStyle {
  None,         // no border and no caption bar
  SingleFixed,  // caption bar and a thin border that cannot be dragged to resize
};

enum class TFormPosition {
  Designed,      // where its bounds put it
  ScreenCenter,  // centred on the primary screen whenever it is shown
};

class TForm : public TWinControl {
 public:
  // Created hidden, without owner. Without a system menu the caption bar has no buttons.
  TForm(TBorderStyle border, bool systemMenu);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Sizes the window so that its client area is width x height.
  void SetClientSize(int width, int height);
  TFormPosition Position = TFormPosition::Designed;

  // Shows the window, not modally: the call returns at once.
  void Show();

 private:
  DWORD style_;
};
