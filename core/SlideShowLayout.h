// Where the slide-show screen's timer panel, its two time labels, the Exit button and the
// presenter view go for a screen of a given size. The design is 1280 x 1024; the results depend
// on the size alone, never on where the controls stood before.
#pragma once

#include "AnchorLayout.h"

constexpr int kSlideShowDesignWidth = 1280, kSlideShowDesignHeight = 1024;

// Design bounds of the controls that move with the screen size. The timer panel and its labels
// have no anchors; Exit is anchored top and right.
constexpr TBounds kStartTimerDesign{513, 0, 255, 61};
constexpr TBounds kDiffTimerLabelDesign{536, 19, 65, 39};
constexpr TBounds kCurTimeLabelDesign{640, 19, 97, 39};
constexpr TBounds kSlideShowExitDesign{1153, 14, 109, 54};
// The all-slides toggle and Blank/Show, which stay where the design puts them.
constexpr TBounds kShowHideAllSlidesDesign{24, 15, 222, 54};
constexpr TBounds kBlankShowDesign{269, 15, 222, 54};

// The presenter view is never taller than this, never starts above kPresenterViewTop, and ends
// 18 pixels above the screen's bottom edge.
constexpr int kPresenterViewWidth = 1280;
constexpr int kPresenterViewFullHeight = 924;
constexpr int kPresenterViewTop = 82;

struct TSlideShowPlaces {
  TBounds StartTimer;
  TBounds DiffTimerLabel;
  TBounds CurTimeLabel;
  TBounds Exit;
  TBounds PresenterView;
  int AvailableHeight;  // what the presenter view lays itself out for
};

TSlideShowPlaces SlideShowPlaces(int width, int height);
