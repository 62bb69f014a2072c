// The progress window as designed: the status text over the progress bar.
#pragma once

#include "AnchorLayout.h"

constexpr int kProgressClientWidth = 482, kProgressClientHeight = 90;
constexpr TBounds kProgressStatusLabel{16, 16, 449, 36};
constexpr TBounds kProgressBar{16, 58, 449, 17};
