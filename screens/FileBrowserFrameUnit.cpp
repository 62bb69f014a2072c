#include "FileBrowserFrameUnit.h"

TFileBrowserFrame::TFileBrowserFrame() {
  SetColor(RGB(128, 128, 128));
  SetFont(TFontSpec{"Tahoma", -24, false, RGB(192, 192, 192)});
  SetBounds(0, 0, 1280, 1024);
  SetVisible(false);
}
