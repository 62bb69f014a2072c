#include "PresenterViewLayout.h"

#include <algorithm>

const TBounds kPresenterViewDesign[kPresenterViewControls] = {
    {-2, -86, 1282, 1024},  // BackgroundImage
    {352, 19, 576, 415},    // HideNotesUpImage
    {352, 19, 576, 415},    // HideNotesDownImage
    {352, 371, 576, 61},    // ShowNotesUpImage
    {336, 432, 608, 464},   // CurSlidePanelImage
    {944, 560, 336, 317},   // NextSlidePanelUpImage
    {0, 560, 336, 317},     // PrevSlidePanelUpImage
    {352, 448, 576, 432},   // CurSlideImage
    {458, 460, 380, 200},   // BuildManualImage
    {950, 464, 139, 34},    // BuildCountLabel
    {700, 486, 116, 143},   // NextBuildLabel
    {481, 486, 116, 143},   // PrevBuildLabel
    {0, 560, 336, 317},     // PrevSlidePanelDownImage
    {0, 560, 336, 320},     // PrevSlidePanelDisabledImage
    {16, 576, 320, 240},    // PrevSlideImage
    {944, 560, 336, 317},   // NextSlidePanelDownImage
    {944, 560, 336, 320},   // NextSlidePanelDisabledImage
    {944, 576, 320, 240},   // NextSlideImage
    {352, 371, 576, 61},    // ShowNotesDownImage
    {376, 88, 529, 329},    // NotesLabel1
    {950, 432, 139, 34},    // BuildStepLabel
    {336, 902, 608, 34},    // SlideCountLabel
    {548, 666, 200, 200},   // VideoImage
    {376, 88, 529, 329},    // the notes label
};

TPresenterViewLayout PresenterViewLayout(int availableHeight) {
  TPresenterViewLayout l;
  for (int i = 0; i < kPresenterViewControls; ++i) l.Top[i] = kPresenterViewDesign[i].Top;
  const int notesHeight = kPresenterViewDesign[pvNotesLabel].Height;
  if (availableHeight >= 924) {
    l.NotesLabelHeight = notesHeight;
    l.Top[pvCurSlideImage] = 448;
    l.Top[pvCurSlidePanelImage] = l.Top[pvCurSlideImage] - 16;
    l.Top[pvPrevSlideImage] = 576;
    l.Top[pvPrevSlidePanelUpImage] = l.Top[pvPrevSlideImage] - 16;
    l.Top[pvPrevSlidePanelDownImage] = l.Top[pvPrevSlidePanelDisabledImage] = l.Top[pvPrevSlidePanelUpImage];
    l.Top[pvNextSlideImage] = l.Top[pvPrevSlideImage];
    l.Top[pvNextSlidePanelUpImage] = l.Top[pvNextSlidePanelDownImage] = l.Top[pvNextSlidePanelDisabledImage] =
        l.Top[pvPrevSlidePanelUpImage];
    l.Top[pvPrevBuildLabel] = l.Top[pvNextBuildLabel] = 590;
    l.Top[pvBuildCountLabel] = 464;
    l.Top[pvBuildStepLabel] = 432;
    l.Top[pvBuildManualImage] = 564;
    l.Top[pvSlideCountLabel] = 902;
    return l;
  }
  const int d = 924 - availableHeight;
  l.NotesLabelHeight = std::max(0, notesHeight - d);
  for (int i = 0; i < kPresenterViewControls; ++i) {
    if (i == pvHideNotesUpImage || i == pvHideNotesDownImage || i == pvNotesLabel || i == pvBackgroundImage) continue;
    l.Top[i] -= d;
  }
  return l;
}
