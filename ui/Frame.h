// A frame: a child window laid out with controls, placed on another window.
#pragma once

#include "Controls.h"

class TFrame : public TWinControl {
 public:
  TFrame() = default;

 protected:
  // The window is made when the frame is placed on its parent, at the frame's bounds.
  void Attached() override;
};
