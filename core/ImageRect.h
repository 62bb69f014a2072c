// Where an image control draws its picture inside its own bounds (portable arithmetic).
#pragma once

struct TDrawRect {
  int Left;
  int Top;
  int Width;
  int Height;
};

struct TImageFit {
  bool Stretch = false;       // scale the picture to the control
  bool Proportional = false;  // keep the aspect when scaling; also shrinks a picture too big to fit
  bool Center = false;        // centre the result in the control
};

TDrawRect ImageDestRect(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight, TImageFit fit);
