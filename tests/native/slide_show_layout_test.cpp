// The slide-show screen's layout for the seven screen sizes and the presenter view's layout for
// the heights it is given.
#include <gtest/gtest.h>

#include "LayoutTables.h"
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
  for (int i = 0; i < kScreenSizeCount; ++i) {
    const auto& c = cases[i];
    ASSERT_EQ(SelectorResolutions[i].Width, c.w);
    ASSERT_EQ(SelectorResolutions[i].Height, c.h);
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

namespace {
// The controls that stay put below the full height.
bool StaysBelowFullHeight(int i) {
  return i == pvHideNotesUpImage || i == pvHideNotesDownImage || i == pvNotesLabel || i == pvBackgroundImage;
}
}  // namespace

TEST(PresenterViewLayout, FullHeightFrom924Up) {
  for (int h : {924, 950, 1100, 2000}) {
    TPresenterViewLayout l = PresenterViewLayout(h);
    EXPECT_EQ(l.NotesLabelHeight, 329) << h;
    struct {
      int control, top;
    } tops[] = {
        {pvCurSlideImage, 448},
        {pvCurSlidePanelImage, 432},
        {pvPrevSlideImage, 576},
        {pvNextSlideImage, 576},
        {pvPrevSlidePanelUpImage, 560},
        {pvPrevSlidePanelDownImage, 560},
        {pvPrevSlidePanelDisabledImage, 560},
        {pvNextSlidePanelUpImage, 560},
        {pvNextSlidePanelDownImage, 560},
        {pvNextSlidePanelDisabledImage, 560},
        {pvPrevBuildLabel, 590},
        {pvNextBuildLabel, 590},
        {pvBuildCountLabel, 464},
        {pvBuildStepLabel, 432},
        {pvBuildManualImage, 564},
        {pvSlideCountLabel, 902},
        {pvVideoImage, 666},
        {pvShowNotesUpImage, 371},
        {pvHideNotesUpImage, 19},
        {pvNotesLabel, 88},
        {pvBackgroundImage, -86},
    };
    for (auto t : tops) EXPECT_EQ(l.Top[t.control], t.top) << h << " control " << t.control;
    // The indicator stands centred on the current slide's height.
    EXPECT_EQ(l.Top[pvBuildManualImage] + 100, l.Top[pvCurSlideImage] + 432 / 2) << h;
  }
}

TEST(PresenterViewLayout, BelowFullHeightEverythingButTheNotesPanelMovesUpFromTheDesign) {
  struct {
    int available, shift, notesHeight;
  } cases[] = {{923, 1, 328}, {800, 124, 205}, {668, 256, 73}, {500, 424, 0}};
  for (auto c : cases) {
    TPresenterViewLayout l = PresenterViewLayout(c.available);
    EXPECT_EQ(l.NotesLabelHeight, c.notesHeight) << c.available;
    for (int i = 0; i < kPresenterViewControls; ++i) {
      int expected = kPresenterViewDesign[i].Top - (StaysBelowFullHeight(i) ? 0 : c.shift);
      EXPECT_EQ(l.Top[i], expected) << c.available << " control " << i;
    }
  }
  // The current slide and the bar under it stay on a 768-pixel screen's view (668 high).
  TPresenterViewLayout small = PresenterViewLayout(668);
  EXPECT_EQ(small.Top[pvSlideCountLabel] + kPresenterViewDesign[pvSlideCountLabel].Height, 680);
  EXPECT_EQ(small.Top[pvCurSlideImage], 192);
}
