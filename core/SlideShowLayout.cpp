#include "SlideShowLayout.h"

namespace {
// An un-anchored control keeps its centre at the same fraction of the screen as in the design.
TBounds Centred(const TBounds& design, int width, int height) {
  TAnchorRule rule = MakeAnchorRule(0, design, kSlideShowDesignWidth, kSlideShowDesignHeight);
  return AnchoredBounds(rule, design, width, height);
}
}  // namespace

TSlideShowPlaces SlideShowPlaces(int width, int height) {
  TSlideShowPlaces p;
  p.StartTimer = Centred(kStartTimerDesign, width, height);
  p.StartTimer.Left = (width - p.StartTimer.Width) / 2;
  p.DiffTimerLabel = Centred(kDiffTimerLabelDesign, width, height);
  p.DiffTimerLabel.Left = p.StartTimer.Left + 16;
  p.CurTimeLabel = Centred(kCurTimeLabelDesign, width, height);
  p.CurTimeLabel.Left = p.StartTimer.Left + 128;
  p.Exit = kSlideShowExitDesign;
  p.Exit.Left += width - kSlideShowDesignWidth;
  p.PresenterView.Left = (width - kPresenterViewWidth) / 2;
  p.PresenterView.Width = kPresenterViewWidth;
  if (height - 942 > kPresenterViewTop) {
    p.PresenterView.Top = height - 942;
    p.PresenterView.Height = kPresenterViewFullHeight;
  } else {
    p.PresenterView.Top = kPresenterViewTop;
    p.PresenterView.Height = height - 100;
  }
  p.AvailableHeight = height - 100;
  return p;
}
