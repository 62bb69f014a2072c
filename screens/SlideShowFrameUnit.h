// The slide-show screen of one running presentation. It keeps the presentation's name, module and
// module file; the screen's controls come with the presenter view.
#pragma once

#include <cstdint>
#include <string>

#include "DesignerTypes.h"
#include "Frame.h"
#include "Stream.h"

class TSlideShowFrame : public TFrame {
 public:
  TSlideShowFrame();

  TImage& BackgroundImage;

  // The module and stream stay the caller's; the screen reads from them until it is released.
  void Bind(const std::string& Name, TDesignerModule* Module, uint8_t ResolutionIndex, TStream* Stream);
  // Taken off its window: stops what it does on its own and forgets the module and stream, which
  // its owner may close now, even if the screen itself is freed a little later.
  void Release();

  void SetSlideImages(int32_t, int32_t, int32_t) {}
  void SetNotesText(const std::wstring&) {}
  void ShowNotesPanel() {}
  void HideNotesPanel() {}
  void SetAnimationsCount(int32_t, int32_t) {}
  void ShowVideoButton(bool) {}
  void SetVideoPlaying(bool) {}
  void SetShowButton() {}
  void SetBlankButton() {}
  void ShowPresenterView() {}

  std::string FPresentationName;
  TDesignerModule* FModule = nullptr;
  TStream* FStream = nullptr;
  uint8_t FResolution = 0;
};
