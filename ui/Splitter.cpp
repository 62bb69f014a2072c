#include "Splitter.h"

#include <windowsx.h>

LRESULT TSplitter::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN:
      dragging_ = true;
      grabX_ = GET_X_LPARAM(lParam);
      SetCapture(Handle());
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && OnMoved) OnMoved(*this, Left() + GET_X_LPARAM(lParam) - grabX_);
      return 0;
    case WM_LBUTTONUP:
      if (dragging_ && GetCapture() == Handle()) ReleaseCapture();
      dragging_ = false;
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
  }
  return TFrame::WndProc(msg, wParam, lParam);
}
