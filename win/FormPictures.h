// Pictures stored with the form layouts: JPEG (or PNG) images among the binary's resources.
#pragma once

#include <cstdint>

#include "Picture.h"

constexpr int32_t kFormPictureResourceType = 401;
constexpr int32_t kProductIconId = 1;

enum TFormPictureId : int32_t {
  // Presentation selector
  fpSelectorLaunchUp = 4001,
  fpSelectorLaunchDown = 4002,
  fpSelectorManageUp = 4003,
  fpSelectorManageDown = 4004,
  fpSelectorExitUp = 4005,
  fpSelectorExitDown = 4006,
  fpSelectorReduceEmptySlotsUp = 4007,
  fpSelectorReduceEmptySlotsDown = 4008,
  // Selector tile
  fpTileBackground = 4101,
  // Slide-show screen
  fpShowUp = 4201,
  fpBlankUp = 4202,
  fpShowDown = 4203,
  fpBlankDown = 4204,
  fpHideAllSlidesUp = 4205,
  fpShowAllSlidesUp = 4206,
  fpHideAllSlidesDown = 4207,
  fpShowAllSlidesDown = 4208,
  fpSlideShowExitUp = 4209,
  fpSlideShowExitDown = 4210,
  fpStartTimer = 4211,
  // Presenter view
  fpHideNotesUp = 4301,
  fpHideNotesDown = 4302,
  fpShowNotesUp = 4303,
  fpShowNotesDown = 4304,
  fpCurSlidePanel = 4305,
  fpNextSlidePanelUp = 4306,
  fpPrevSlidePanelUp = 4307,
  fpPrevSlidePanelDown = 4308,
  fpPrevSlidePanelDisabled = 4309,
  fpNextSlidePanelDown = 4310,
  fpNextSlidePanelDisabled = 4311,
  // About box
  fpAboutProduct = 4401,
};

// The decoded picture from OwnModule(), or no picture when the binary lacks it; raises ERuvoError
// when its bytes are no valid picture.
TPicture LoadFormPicture(int32_t id);
