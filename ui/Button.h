// A native push button.
#pragma once

#include "NativeControl.h"

class TButton : public TNativeControl {
 public:
  TButton() = default;
  std::function<void(TButton&)> OnClick;
  // Performs a click as the user's would: the handler runs if the button is enabled.
  void Click();

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  DWORD Style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
  void Command(WORD code) override;
};
