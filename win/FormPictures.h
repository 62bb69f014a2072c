// Pictures stored with the form layouts: JPEG (or PNG) images among the binary's resources.
#pragma once

#include <windows.h>

#include <cstdint>

#include "Picture.h"

constexpr int32_t kFormPictureResourceType = 401;

// The product icon (16, 32 and 48 pixels), an ICON resource of both binaries.
constexpr int32_t kProductIconId = 1;

enum TFormPictureId : int32_t {
  // Presentation selector: the Launch/Manage toggle's faces (286x54), Exit (109x54),
  // reduce empty slots (246x54)
  fpSelectorLaunchUp = 4001,
  fpSelectorLaunchDown = 4002,
  fpSelectorManageUp = 4003,
  fpSelectorManageDown = 4004,
  fpSelectorExitUp = 4005,
  fpSelectorExitDown = 4006,
  fpSelectorReduceEmptySlotsUp = 4007,
  fpSelectorReduceEmptySlotsDown = 4008,
  // Selector tile: the backdrop (352x320)
  fpTileBackground = 4101,
  // Slide-show screen: button faces (222x54), Exit (109x54), the timer panel (255x61)
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
  // Presenter view: notes panel (576x415), notes bar (576x61), current-slide frame (608x464),
  // previous and next panels (336x317; disabled 336x320)
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
  // About box: the product picture (32x32, PNG with alpha)
  fpAboutProduct = 4401,
};

// The decoded picture from OwnModule(), or no picture when the binary lacks it; raises ERuvoError
// when its bytes are no valid picture.
TPicture LoadFormPicture(int32_t id);

// The same from another binary's resources.
TPicture LoadFormPicture(HMODULE module, int32_t id);

// LoadFormPicture from OwnModule() for a screen: a picture that cannot be decoded shows as nothing,
// like a missing one.
TPicture FormPictureOrNone(int32_t id);
