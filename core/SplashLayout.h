// The launcher's splash window as designed: the picture with the status line under it.
#pragma once

#include "AnchorLayout.h"

constexpr int kSplashClientWidth = 384, kSplashClientHeight = 283;
constexpr TBounds kSplashImage{0, 0, 384, 256};
constexpr TBounds kSplashProgressLabel{8, 264, 368, 13};
