#include "SlideShowFrameUnit.h"

TSlideShowFrame::TSlideShowFrame() : BackgroundImage(Add<TImage>()) {
  SetColor(RGB(0, 0, 0));
  SetBounds(0, 0, 1280, 1024);
  BackgroundImage.SetAlign(TAlign::Client);
  BackgroundImage.SetFit({true, false, false});
}

void TSlideShowFrame::Bind(const std::string& Name, TDesignerModule* Module, uint8_t ResolutionIndex, TStream* Stream) {
  FPresentationName = Name;
  FModule = Module;
  FStream = Stream;
  FResolution = ResolutionIndex;
}

void TSlideShowFrame::Release() {
  FModule = nullptr;
  FStream = nullptr;
}
