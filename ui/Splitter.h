// A vertical bar that the speaker drags sideways to move the border between two panels. It
// reports where its left edge is asked to go; its owner places it and the panels.
#pragma once

#include <functional>

#include "Frame.h"

class TSplitter : public TFrame {
 public:
  TSplitter() = default;
  // The left edge asked for while dragging, in the parent's coordinates.
  std::function<void(TSplitter&, int left)> OnMoved;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool dragging_ = false;
  int grabX_ = 0;  // where in the bar the mouse took it
};
