// The presenter view's design layout (1280 x 925) in painting order, and where its controls go
// for the height the slide-show screen can give it.
#pragma once

#include "AnchorLayout.h"

enum TPresenterViewControl : int {
  pvBackgroundImage,
  pvHideNotesUpImage,
  pvHideNotesDownImage,
  pvShowNotesUpImage,
  pvCurSlidePanelImage,
  pvNextSlidePanelUpImage,
  pvPrevSlidePanelUpImage,
  pvCurSlideImage,
  pvBuildManualImage,
  pvBuildCountLabel,
  pvNextBuildLabel,
  pvPrevBuildLabel,
  pvPrevSlidePanelDownImage,
  pvPrevSlidePanelDisabledImage,
  pvPrevSlideImage,
  pvNextSlidePanelDownImage,
  pvNextSlidePanelDisabledImage,
  pvNextSlideImage,
  pvShowNotesDownImage,
  pvNotesLabel1,
  pvBuildStepLabel,
  pvSlideCountLabel,
  pvVideoImage,
  pvNotesLabel,  // the Unicode notes label, placed last so that it lies over everything
  kPresenterViewControls
};

constexpr int kPresenterViewDesignWidth = 1280, kPresenterViewDesignHeight = 925;

// Indexed by TPresenterViewControl.
extern const TBounds kPresenterViewDesign[kPresenterViewControls];

struct TPresenterViewLayout {
  int Top[kPresenterViewControls];
  int NotesLabelHeight;
};

// From 924 up: the full-height layout, with the build indicator and its click zones centred on
// the current slide. Below: the design layout with everything but the notes panel, the notes
// label's top and the background moved up by the shortfall, and the notes label shortened by it.
// Computed from the design alone, so any number of calls for one height give one layout.
TPresenterViewLayout PresenterViewLayout(int availableHeight);
