#include "Frame.h"

void TFrame::Attached() {
  TBounds b = Bounds();
  CreateHandle(0, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0), Parent()->Handle(), "",
               b.Left, b.Top, b.Width, b.Height);
  // Later controls lie above earlier ones, windows included.
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  AttachChildren();
}
