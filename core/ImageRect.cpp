#include "ImageRect.h"

TDrawRect ImageDestRect(int w, int h, int cw, int ch, TImageFit fit) {
  if (fit.Stretch || (fit.Proportional && (w > cw || h > ch))) {
    if (fit.Proportional && w > 0 && h > 0) {
      // Integer arithmetic in 64 bits, truncating like the scaling it stands for.
      if (w > h) {
        int nh = static_cast<int>(static_cast<long long>(cw) * h / w);
        if (nh > ch) {
          w = static_cast<int>(static_cast<long long>(ch) * w / h);
          h = ch;
        } else {
          w = cw;
          h = nh;
        }
      } else {
        int nw = static_cast<int>(static_cast<long long>(ch) * w / h);
        if (nw > cw) {
          h = static_cast<int>(static_cast<long long>(cw) * h / w);
          w = cw;
        } else {
          h = ch;
          w = nw;
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TDrawRect r{0, 0, w, h};
  if (fit.Center) {
    r.Left = (cw - w) / 2;
    r.Top = (ch - h) / 2;
  }
  return r;
}
