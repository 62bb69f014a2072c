#include "PresenterFrameUnit.h"

#include "ArtworkIds.h"
#include "CommandMailbox.h"
#include "FormPictures.h"
#include "KernelHandle.h"
#include "PngResource.h"
#include "ProductNames.h"
#include "SlideShowRules.h"

namespace {
TKernelHandle gMutex;

// A panel picture of the design layout: the image takes its size.
void Panel(TImage& image, int32_t id, bool visible) {
  image.SetAutoSize(true);
  image.SetPicture(FormPictureOrNone(id));
  image.SetVisible(visible);
}

const TFontSpec kBuildFont{"Arial", -19, true, RGB(192, 192, 192)};
}  // namespace

void PresenterFrameUnitStart() { gMutex = TKernelHandle(CreateMutexA(nullptr, FALSE, kRunningMutexName)); }

void PresenterFrameUnitEnd() { gMutex.Reset(); }

HANDLE PresenterMutex() { return gMutex.Get(); }

template <class T>
T& TPresenterFrame::Place(TPresenterViewControl id) {
  T& control = Add<T>();
  control.SetBounds(kPresenterViewDesign[id]);
  places_[size_t(id)] = &control;
  return control;
}

TPresenterFrame::TPresenterFrame()
    : BackgroundImage(Place<TImage>(pvBackgroundImage)),
      HideNotesUpImage(Place<TImage>(pvHideNotesUpImage)),
      HideNotesDownImage(Place<TImage>(pvHideNotesDownImage)),
      ShowNotesUpImage(Place<TImage>(pvShowNotesUpImage)),
      CurSlidePanelImage(Place<TImage>(pvCurSlidePanelImage)),
      NextSlidePanelUpImage(Place<TImage>(pvNextSlidePanelUpImage)),
      PrevSlidePanelUpImage(Place<TImage>(pvPrevSlidePanelUpImage)),
      CurSlideImage(Place<TImage>(pvCurSlideImage)),
      BuildManualImage(Place<TImage>(pvBuildManualImage)),
      BuildCountLabel(Place<TLabel>(pvBuildCountLabel)),
      NextBuildLabel(Place<TLabel>(pvNextBuildLabel)),
      PrevBuildLabel(Place<TLabel>(pvPrevBuildLabel)),
      PrevSlidePanelDownImage(Place<TImage>(pvPrevSlidePanelDownImage)),
      PrevSlidePanelDisabledImage(Place<TImage>(pvPrevSlidePanelDisabledImage)),
      PrevSlideImage(Place<TImage>(pvPrevSlideImage)),
      NextSlidePanelDownImage(Place<TImage>(pvNextSlidePanelDownImage)),
      NextSlidePanelDisabledImage(Place<TImage>(pvNextSlidePanelDisabledImage)),
      NextSlideImage(Place<TImage>(pvNextSlideImage)),
      ShowNotesDownImage(Place<TImage>(pvShowNotesDownImage)),
      NotesLabel1(Place<TLabel>(pvNotesLabel1)),
      BuildStepLabel(Place<TLabel>(pvBuildStepLabel)),
      SlideCountLabel(Place<TLabel>(pvSlideCountLabel)),
      VideoImage(Place<TImage>(pvVideoImage)),
      FNotesLabel(Place<TTntLabel>(pvNotesLabel)) {
  SetBounds(0, 0, kPresenterViewDesignWidth, kPresenterViewDesignHeight);
  // Drawn as the slide-show screen draws its own, stretched over the screen's size, which the
  // screen gives it with its place.
  BackgroundImage.SetFit({true, false, false});
  Panel(HideNotesUpImage, fpHideNotesUp, false);
  Panel(HideNotesDownImage, fpHideNotesDown, false);
  Panel(ShowNotesUpImage, fpShowNotesUp, false);
  Panel(CurSlidePanelImage, fpCurSlidePanel, true);
  Panel(NextSlidePanelUpImage, fpNextSlidePanelUp, true);
  Panel(PrevSlidePanelUpImage, fpPrevSlidePanelUp, true);
  Panel(PrevSlidePanelDownImage, fpPrevSlidePanelDown, false);
  Panel(PrevSlidePanelDisabledImage, fpPrevSlidePanelDisabled, false);
  Panel(NextSlidePanelDownImage, fpNextSlidePanelDown, false);
  Panel(NextSlidePanelDisabledImage, fpNextSlidePanelDisabled, false);
  Panel(ShowNotesDownImage, fpShowNotesDown, false);
  for (TImage* slide : {&CurSlideImage, &PrevSlideImage, &NextSlideImage}) slide->SetFit({true, true, true});

  for (TLabel* label : {&BuildCountLabel, &BuildStepLabel, &SlideCountLabel}) {
    label->SetFont(kBuildFont);
    label->SetTransparent(true);
  }
  BuildCountLabel.SetCaption("9999 of 9999");
  BuildCountLabel.SetLayout(TTextLayout::Center);
  BuildCountLabel.SetWordWrap(true);
  BuildStepLabel.SetCaption("build step");
  SlideCountLabel.SetCaption("9999 of 9999");
  SlideCountLabel.SetAlignment(TAlignment::Center);
  NextBuildLabel.SetTransparent(true);
  PrevBuildLabel.SetTransparent(true);
  NotesLabel1.Hide();

  // Clicks.
  NextBuildLabel.OnClick = [this](TControl&) { NextBuildLabelClick(); };
  PrevBuildLabel.OnClick = [this](TControl&) { PrevBuildLabelClick(); };
  for (TImage* image : {&PrevSlidePanelUpImage, &PrevSlideImage}) {
    image->OnClick = [this](TControl&) { PrevSlideImageClick(); };
    image->OnMouseDown = [this](TControl&, TMouseButton) { PrevSlidePanelUpImageMouseDown(); };
    image->OnMouseUp = [this](TControl&, TMouseButton) { PrevSlidePanelUpImageMouseUp(); };
  }
  for (TImage* image : {&NextSlidePanelUpImage, &NextSlideImage}) {
    image->OnClick = [this](TControl&) { NextSlideImageClick(); };
    image->OnMouseDown = [this](TControl&, TMouseButton) { NextSlidePanelUpImageMouseDown(); };
    image->OnMouseUp = [this](TControl&, TMouseButton) { NextSlidePanelUpImageMouseUp(); };
  }
  ShowNotesUpImage.OnClick = [this](TControl&) { ShowNotesUpImageClick(); };
  ShowNotesUpImage.OnMouseDown = [this](TControl&, TMouseButton) { ShowNotesUpImageMouseDown(); };
  ShowNotesUpImage.OnMouseUp = [this](TControl&, TMouseButton) { ShowNotesUpImageMouseUp(); };
  ShowNotesDownImage.OnClick = [this](TControl&) { ShowNotesUpImageClick(); };
  for (TImage* image : {&HideNotesUpImage, &HideNotesDownImage}) {
    image->OnClick = [this](TControl&) { HideNotesUpImageClick(); };
    image->OnMouseDown = [this](TControl&, TMouseButton) { HideNotesUpImageMouseDown(); };
    image->OnMouseUp = [this](TControl&, TMouseButton) { HideNotesUpImageMouseUp(); };
  }
  VideoImage.OnClick = [this](TControl&) { VideoImageClick(); };

  // The notes label: fixed size, hidden, no accelerator prefix, transparent, word wrap.
  FNotesLabel.Hide();
  FNotesLabel.SetShowAccelChar(false);
  FNotesLabel.SetTransparent(true);
  FNotesLabel.SetWordWrap(true);
  FNotesLabel.SetFont(TFontSpec{"Arial Unicode MS", FontHeightForPoints(10), false, clWindowText});

  FBothBuildsPicture = ArtworkOrNone(awBuildBoth);
  FPrevBuildPicture = ArtworkOrNone(awBuildPrevious);
  FNextBuildPicture = ArtworkOrNone(awBuildNext);
  FPlayVideoPicture = ArtworkOrNone(awVideoPlay);
  FPauseVideoPicture = ArtworkOrNone(awVideoPause);
  BuildManualImage.SetPicture(FPrevBuildPicture);
  BuildManualImage.Tag = bfPrevious;
  VideoImage.SetPicture(FPlayVideoPicture);
  VideoImage.Tag = vfPlay;
}

void TPresenterFrame::AdjustToHeight(int32_t AvailableHeight) {
  TPresenterViewLayout layout = PresenterViewLayout(AvailableHeight);
  for (int i = 0; i < kPresenterViewControls; ++i) {
    TControl& c = *places_[size_t(i)];
    c.SetBounds(c.Left(), layout.Top[i], c.Width(), c.Height());
  }
  FNotesLabel.SetHeight(layout.NotesLabelHeight);
}

void TPresenterFrame::SetBuildArrows(bool HasPrevious, bool HasNext) {
  TBuildIndicator b = BuildIndicator(HasPrevious, HasNext, BuildManualImage.Tag);
  BuildManualImage.SetVisible(b.Visible);
  if (!b.Replace) return;
  BuildManualImage.SetPicture(b.Tag == bfBoth       ? FBothBuildsPicture
                              : b.Tag == bfPrevious ? FPrevBuildPicture
                                                    : FNextBuildPicture);
  BuildManualImage.Tag = b.Tag;
}

void TPresenterFrame::SetVideoState(bool Playing) {
  VideoImage.SetPicture(Playing ? FPauseVideoPicture : FPlayVideoPicture);
  VideoImage.Tag = Playing ? vfPause : vfPlay;
}

void TPresenterFrame::Swap(TImage& shown, TImage& hidden) {
  shown.Show();
  hidden.Hide();
}

void TPresenterFrame::Post(int32_t Command) const { SetCommand(FPresentationName, Command); }

void TPresenterFrame::NextBuildLabelClick() { Post(cmdNextBuild); }
void TPresenterFrame::PrevBuildLabelClick() { Post(cmdPrevBuild); }
void TPresenterFrame::PrevSlideImageClick() { Post(cmdPrevSlide); }
void TPresenterFrame::NextSlideImageClick() { Post(cmdNextSlide); }
void TPresenterFrame::ShowNotesUpImageClick() { Post(cmdShowNotes); }
void TPresenterFrame::HideNotesUpImageClick() { Post(cmdHideNotes); }
void TPresenterFrame::VideoImageClick() { Post(VideoImage.Tag == vfPause ? cmdPauseVideo : cmdPlayVideo); }
