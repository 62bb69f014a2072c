// The slide-show screen's layout for the seven screen sizes and the presenter view's layout for
// the heights it is given.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "PresenterViewLayout.h"
#include "SlideShowLayout.h"

TEST(SlideShowLayout, EveryScreenSize) {
  struct {
    int w, h;
    int timerLeft, elapsedLeft, clockLeft;
    int viewLeft, viewTop, viewHeight, available;
    int timerTop, labelTop;  // un-anchored: the centres keep their fractions of the height
  } cases[] = {
      {1280, 1024, 512, 528, 640, 0, 82, 924, 924, 0, 19},     {1366, 768, 555, 571, 683, 43, 82, 668, 668, -7, 10},
      {1440, 900, 592, 608, 720, 80, 82, 800, 800, -4, 14},    {1440, 1050, 592, 608, 720, 80, 108, 924, 950, 1, 20},
      {1600, 1200, 672, 688, 800, 160, 258, 924, 1100, 5, 26}, {1680, 1050, 712, 728, 840, 200, 108, 924, 950, 1, 20},
      {1920, 1200, 832, 848, 960, 320, 258, 924, 1100, 5, 26},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    TSlideShowPlaces p = SlideShowPlaces(c.w, c.h);
    EXPECT_EQ(p.StartTimer.Left, c.timerLeft);
    EXPECT_EQ(p.DiffTimerLabel.Left, c.elapsedLeft);
    EXPECT_EQ(p.CurTimeLabel.Left, c.clockLeft);
    EXPECT_EQ(p.PresenterView.Left, c.viewLeft);
    EXPECT_EQ(p.PresenterView.Top, c.viewTop);
    EXPECT_EQ(p.PresenterView.Height, c.viewHeight);
    EXPECT_EQ(p.PresenterView.Width, 1280);
    EXPECT_EQ(p.AvailableHeight, c.available);
    // The view ends 18 pixels above the bottom edge.
    EXPECT_EQ(p.PresenterView.Top + p.PresenterView.Height, c.h - 18);
    EXPECT_EQ(p.StartTimer.Top, c.timerTop);
    EXPECT_EQ(p.DiffTimerLabel.Top, c.labelTop);
    EXPECT_EQ(p.CurTimeLabel.Top, c.labelTop);
    EXPECT_EQ(p.StartTimer.Width, 255);
    EXPECT_EQ(p.CurTimeLabel.Height, 39);
    // Exit keeps 18 pixels to the right edge and its top.
    EXPECT_EQ(p.Exit.Left + p.Exit.Width, c.w - 18);
    EXPECT_EQ(p.Exit.Top, 14);
  }
}

// The full-height places, from a 1024-pixel screen up.
TEST(PresenterViewLayout, FullHeightFrom924Up) {
  const TPresenterViewLayout full = PresenterViewLayout(924);
  EXPECT_EQ(full.NotesLabelHeight, 329);
  // Each top with the controls that stand there.
  const std::pair<int, std::vector<int>> tops[] = {
      {19, {pvHideNotesUpImage, pvHideNotesDownImage}},
      {88, {pvNotesLabel}},
      {448, {pvCurSlideImage}},
      {432, {pvCurSlidePanelImage, pvBuildStepLabel}},
      {576, {pvPrevSlideImage, pvNextSlideImage}},
      {560,
       {pvPrevSlidePanelUpImage, pvPrevSlidePanelDownImage, pvPrevSlidePanelDisabledImage, pvNextSlidePanelUpImage,
        pvNextSlidePanelDownImage, pvNextSlidePanelDisabledImage}},
      {590, {pvPrevBuildLabel, pvNextBuildLabel}},
      {464, {pvBuildCountLabel}},
      {564, {pvBuildManualImage}},
      {902, {pvSlideCountLabel}},
  };
  for (const auto& [top, controls] : tops)
    for (int c : controls) EXPECT_EQ(full.Top[c], top) << "control " << c;
  // The indicator stands centred on the current slide's height.
  EXPECT_EQ(full.Top[pvBuildManualImage] + 100, full.Top[pvCurSlideImage] + 432 / 2);
  for (int h : {950, 1100, 2000}) {
    TPresenterViewLayout l = PresenterViewLayout(h);
    EXPECT_EQ(l.NotesLabelHeight, 329) << h;
    for (int i = 0; i < kPresenterViewControls; ++i) EXPECT_EQ(l.Top[i], full.Top[i]) << h << " control " << i;
  }
}

// Below the full height everything moves up by the shortfall but the notes panel, the notes
// label and the background, and the notes label is shortened by it. The build labels and the
// indicator leave the slide's centre for their design places, 104 pixels higher.
TEST(PresenterViewLayout, BelowFullHeightEverythingButTheNotesPanelMovesUp) {
  const TPresenterViewLayout full = PresenterViewLayout(924);
  struct {
    int available, shift, notesHeight;
  } cases[] = {{923, 1, 328}, {800, 124, 205}, {668, 256, 73}, {500, 424, 0}};
  for (auto c : cases) {
    TPresenterViewLayout l = PresenterViewLayout(c.available);
    EXPECT_EQ(l.NotesLabelHeight, c.notesHeight) << c.available;
    for (int i = 0; i < kPresenterViewControls; ++i) {
      bool stays = i == pvHideNotesUpImage || i == pvHideNotesDownImage || i == pvNotesLabel || i == pvBackgroundImage;
      bool build = i == pvPrevBuildLabel || i == pvNextBuildLabel || i == pvBuildManualImage;
      EXPECT_EQ(l.Top[i], full.Top[i] - (stays ? 0 : c.shift) - (build ? 104 : 0)) << c.available << " control " << i;
    }
  }
}
