#include "SlideShowFrameUnit.h"

#include "AllSlidesLayout.h"
#include "AllSlidesPaging.h"
#include "ArtworkIds.h"
#include "CommandMailbox.h"
#include "FaceHolder.h"
#include "FormPictures.h"
#include "ModuleFormat.h"
#include "MonotonicClock.h"
#include "PngResource.h"
#include "SlideShowLayout.h"
#include "SlideShowRules.h"

namespace {
const TFontSpec kTimeFont{"Arial", -21, true, RGB(0, 0, 0)};
}  // namespace

TSlideShowFrame::TSlideShowFrame()
    : BackgroundImage(Add<TImage>()),
      ShowUpImage(Add<TImage>()),
      BlankUpImage(Add<TImage>()),
      StartTimerImage(Add<TImage>()),
      HideAllSlidesUpImage(Add<TImage>()),
      ShowAllSlidesUpImage(Add<TImage>()),
      ShowHideAllSlidesImage(Add<TImage>()),
      BlankShowImage(Add<TImage>()),
      ExitUpImage(Add<TImage>()),
      CurTimeLabel(Add<TLabel>()),
      DiffTimerLabel(Add<TLabel>()),
      PresenterFrame(Add<TPresenterFrame>()),
      HideAllSlidesDownImage(Add<TImage>()),
      ShowAllSlidesDownImage(Add<TImage>()),
      BlankDownImage(Add<TImage>()),
      ShowDownImage(Add<TImage>()),
      ExitImage(Add<TImage>()),
      ExitDownImage(Add<TImage>()),
      DiffTimer(*this, 1000),
      CurTimer(*this, 1000),
      PopulateAllSlidesTimer(*this, 50, false) {
  SetColor(RGB(0, 0, 0));
  SetBounds(0, 0, kSlideShowDesignWidth, kSlideShowDesignHeight);
  BackgroundImage.SetAlign(TAlign::Client);
  BackgroundImage.SetFit({true, false, false});
  MakeFaceHolder(ShowUpImage, fpShowUp);
  MakeFaceHolder(BlankUpImage, fpBlankUp);
  StartTimerImage.SetBounds(kStartTimerDesign);
  StartTimerImage.SetAutoSize(true);
  StartTimerImage.SetPicture(FormPictureOrNone(fpStartTimer));
  StartTimerImage.SetAnchors(0);
  MakeFaceHolder(HideAllSlidesUpImage, fpHideAllSlidesUp);
  MakeFaceHolder(ShowAllSlidesUpImage, fpShowAllSlidesUp);
  ShowHideAllSlidesImage.SetBounds(kShowHideAllSlidesDesign);
  ShowHideAllSlidesImage.SetFit({true, false, false});
  BlankShowImage.SetBounds(kBlankShowDesign);
  BlankShowImage.SetFit({true, false, false});
  MakeFaceHolder(ExitUpImage, fpSlideShowExitUp);
  CurTimeLabel.SetBounds(kCurTimeLabelDesign);
  CurTimeLabel.SetCaption("00:00 AM");
  DiffTimerLabel.SetBounds(kDiffTimerLabelDesign);
  DiffTimerLabel.SetCaption("00:00");
  for (TLabel* label : {&CurTimeLabel, &DiffTimerLabel}) {
    label->SetAnchors(0);
    label->SetAlignment(TAlignment::Center);
    label->SetLayout(TTextLayout::Center);
    label->SetTransparent(true);
    label->SetFont(kTimeFont);
  }
  PresenterFrame.Hide();
  MakeFaceHolder(HideAllSlidesDownImage, fpHideAllSlidesDown);
  MakeFaceHolder(ShowAllSlidesDownImage, fpShowAllSlidesDown);
  MakeFaceHolder(BlankDownImage, fpBlankDown);
  MakeFaceHolder(ShowDownImage, fpShowDown);
  ExitImage.SetBounds(kSlideShowExitDesign);
  ExitImage.SetAutoSize(true);
  ExitImage.SetAnchors(akTop | akRight);
  MakeFaceHolder(ExitDownImage, fpSlideShowExitDown);

  ShowHideAllSlidesImage.OnClick = [this](TControl&) { ShowHideAllSlidesImageClick(); };
  ShowHideAllSlidesImage.OnMouseDown = [this](TControl&, TMouseButton) {
    ShowHideAllSlidesImage.SetPicture(ShowHideAllSlidesImage.Tag != asShowAllSlides ? HideAllSlidesDownImage.Picture()
                                                                                    : ShowAllSlidesDownImage.Picture());
  };
  ShowHideAllSlidesImage.OnMouseUp = [this](TControl&, TMouseButton) {
    ShowHideAllSlidesImage.SetPicture(ShowHideAllSlidesImage.Tag != asShowAllSlides ? HideAllSlidesUpImage.Picture()
                                                                                    : ShowAllSlidesUpImage.Picture());
  };
  BlankShowImage.OnClick = [this](TControl&) { BlankShowImageClick(); };
  BlankShowImage.OnMouseDown = [this](TControl&, TMouseButton) {
    BlankShowImage.SetPicture(BlankShowImage.Tag == bsBlank ? BlankDownImage.Picture() : ShowDownImage.Picture());
  };
  BlankShowImage.OnMouseUp = [this](TControl&, TMouseButton) {
    BlankShowImage.SetPicture(BlankShowImage.Tag == bsBlank ? BlankUpImage.Picture() : ShowUpImage.Picture());
  };
  ExitImage.OnClick = [this](TControl&) { ExitImageClick(); };
  ExitDownImage.OnClick = [this](TControl&) { ExitImageClick(); };
  ExitImage.OnMouseDown = [this](TControl&, TMouseButton) { ExitImage.SetPicture(ExitDownImage.Picture()); };
  ExitImage.OnMouseUp = [this](TControl&, TMouseButton) { ExitImage.SetPicture(ExitUpImage.Picture()); };
  DiffTimer.OnTimer = [this](TTimer&) { DiffTimerTimer(); };
  CurTimer.OnTimer = [this](TTimer&) { CurTimerTimer(); };
  PopulateAllSlidesTimer.OnTimer = [this](TTimer&) { PopulateAllSlidesTimerTimer(); };
  OnResize = [this](TWinControl&) { FrameResize(); };

  // Creation steps.
  FNextPagePicture = ArtworkOrNone(awPageNext);
  FPrevPagePicture = ArtworkOrNone(awPagePrevious);
  ShowHideAllSlidesImage.SetPicture(ShowAllSlidesUpImage.Picture());
  ShowHideAllSlidesImage.Tag = asShowAllSlides;
  BlankShowImage.SetPicture(BlankUpImage.Picture());
  BlankShowImage.Tag = bsBlank;
  ExitImage.SetPicture(ExitUpImage.Picture());
  PresenterFrame.FNotesLabel.Tag = nsShown;
  PresenterFrame.HideNotesUpImage.Tag = nsShown;
  PresenterFrame.ShowNotesUpImage.Tag = nsHidden;
  PresenterFrame.SetBounds(0, kPresenterViewTop, kPresenterViewWidth, kPresenterViewFullHeight);
  PresenterFrame.Show();
  // The clock shows the time from the start, not only from its first tick.
  CurTimerTimer();
}

void TSlideShowFrame::Attached() {
  TFrame::Attached();
  // Laid out for the size it was given before it had a window.
  FrameResize();
}

void TSlideShowFrame::Bind(const std::string& Name, TDesignerModule* Module, uint8_t ResolutionIndex, TStream* Stream) {
  FPresentationName = Name;
  PresenterFrame.FPresentationName = Name;
  FModule = Module;
  FStream = Stream;
  BuildPages(ResolutionIndex);
}

void TSlideShowFrame::Release() {
  DiffTimer.SetEnabled(false);
  CurTimer.SetEnabled(false);
  PopulateAllSlidesTimer.SetEnabled(false);
  FModule = nullptr;
  FStream = nullptr;
}

void TSlideShowFrame::FrameResize() {
  TSlideShowPlaces p = SlideShowPlaces(Width(), Height());
  StartTimerImage.SetBounds(p.StartTimer.Left, p.StartTimer.Top, StartTimerImage.Width(), StartTimerImage.Height());
  DiffTimerLabel.SetBounds(p.DiffTimerLabel);
  CurTimeLabel.SetBounds(p.CurTimeLabel);
  ExitImage.SetBounds(p.Exit.Left, p.Exit.Top, ExitImage.Width(), ExitImage.Height());
  PresenterFrame.SetBounds(p.PresenterView);
  PresenterFrame.AdjustToHeight(p.AvailableHeight);
  // The view's copy of the background has the screen's own geometry, so it continues it wherever
  // the view lies, whatever the picture's size: no seam, no strip of the frame's colour.
  PresenterFrame.BackgroundImage.SetBounds(-p.PresenterView.Left, -p.PresenterView.Top, Width(), Height());
}

// ---- slides

void TSlideShowFrame::ShowSlide(TImage& Image, int32_t n) {
  TPicture picture;
  if (n == kNextPageCell) {
    picture = FNextPagePicture;
  } else if (n == kPrevPageCell) {
    picture = FPrevPagePicture;
  } else if (n != kEmptyCell && FModule && FStream) {
    // Decoded straight to the size it is shown at, so that painting it costs a copy. A damaged
    // slide leaves its place empty: this runs in slide changes and timer ticks, where a message
    // box would come back with every one.
    try {
      picture = LoadSlidePictureToFit(*FModule, *FStream, n, Image.Width(), Image.Height());
    } catch (...) {
      picture = TPicture();
    }
  }
  Image.SetPicture(picture);
}

void TSlideShowFrame::SetSlideImages(int32_t Current, int32_t Previous, int32_t Next) {
  if (Current == FCurrentSlide) return;
  if (!FStartTime.Started() && Previous > 0) FStartTime.StartAt(MonotonicMs());
  SetCurrentSlide(Current);
  SetPrevSlide(Previous);
  SetNextSlide(Next);
}

void TSlideShowFrame::SetCurrentSlide(int32_t n) {
  FCurrentSlide = n;
  HighlightSlide(n);
  ShowSlide(PresenterFrame.CurSlideImage, n);
  PresenterFrame.SlideCountLabel.SetCaption(PositionText(FCurrentSlide, FSlideCount));
}

void TSlideShowFrame::SetPrevSlide(int32_t n) {
  ShowSlide(PresenterFrame.PrevSlideImage, n);
  PresenterFrame.PrevSlidePanelDisabledImage.SetVisible(n == 0);
}

void TSlideShowFrame::SetNextSlide(int32_t n) {
  ShowSlide(PresenterFrame.NextSlideImage, n);
  PresenterFrame.NextSlidePanelDisabledImage.SetVisible(n == 0);
}

// ---- notes, builds, video, buttons

void TSlideShowFrame::SetNotesText(const std::wstring& Text) {
  TTntLabel& label = PresenterFrame.FNotesLabel;
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "notes arrive as UTF-16");
  auto utf16 = [](const std::wstring& s) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(s.data()), s.size());
  };
  bool newHasText = HasNotesText(utf16(Text));
  bool oldHasText = HasNotesText(utf16(label.Caption()));
  label.SetCaption(Text);
  if (oldHasText == newHasText) return;
  TControl* notes[] = {&label, &PresenterFrame.HideNotesUpImage, &PresenterFrame.ShowNotesUpImage};
  for (TControl* c : notes) {
    if (newHasText) {
      c->SetVisible(c->Tag == nsShown);
    } else {
      c->Tag = c->Visible() ? nsShown : nsHidden;
      c->Hide();
    }
  }
}

void TSlideShowFrame::ShowNotesPanel() { SetNotesPanel(true); }

void TSlideShowFrame::HideNotesPanel() { SetNotesPanel(false); }

// The label and the panel shown and the bar hidden, or the other way round; the tags remember it.
void TSlideShowFrame::SetNotesPanel(bool Shown) {
  TControl* panel[] = {&PresenterFrame.FNotesLabel, &PresenterFrame.HideNotesUpImage};
  for (TControl* c : panel) {
    c->SetVisible(Shown);
    c->Tag = Shown ? nsShown : nsHidden;
  }
  PresenterFrame.ShowNotesUpImage.SetVisible(!Shown);
  PresenterFrame.ShowNotesUpImage.Tag = Shown ? nsHidden : nsShown;
}

void TSlideShowFrame::SetAnimationsCount(int32_t Current, int32_t Total) {
  TBuildReport b = BuildReport(Current, Total);
  PresenterFrame.SetBuildArrows(b.HasPrevious, b.HasNext);
  TControl* labels[] = {&PresenterFrame.BuildStepLabel, &PresenterFrame.PrevBuildLabel, &PresenterFrame.NextBuildLabel,
                        &PresenterFrame.BuildCountLabel};
  for (TControl* c : labels) c->SetVisible(b.LabelsVisible);
  PresenterFrame.BuildCountLabel.SetCaption(PositionText(Current, Total));
}

void TSlideShowFrame::ShowVideoButton(bool Show) {
  if (Show) PresenterFrame.SetVideoState(false);
  PresenterFrame.VideoImage.SetVisible(Show);
}

void TSlideShowFrame::SetVideoPlaying(bool Playing) { PresenterFrame.SetVideoState(Playing); }

void TSlideShowFrame::SetShowButton() {
  BlankShowImage.SetPicture(ShowUpImage.Picture());
  BlankShowImage.Tag = bsShow;
}

void TSlideShowFrame::SetBlankButton() {
  BlankShowImage.SetPicture(BlankUpImage.Picture());
  BlankShowImage.Tag = bsBlank;
}

void TSlideShowFrame::BlankShowImageClick() {
  SetCommand(FPresentationName, BlankShowImage.Tag == bsBlank ? cmdBlank : cmdUnblank);
}

void TSlideShowFrame::ExitImageClick() { SetCommand(FPresentationName, cmdExitSlideShow); }

// ---- the two views

TAllSlidesFrame* TSlideShowFrame::Page(int32_t index) const {
  return index >= 0 && size_t(index) < FPages.size() ? FPages[size_t(index)] : nullptr;
}

// Without slides there is no page: the toggle then only swaps its face and hides the view.
void TSlideShowFrame::ShowHideAllSlidesImageClick() {
  if (ShowHideAllSlidesImage.Tag != asShowAllSlides) {
    if (TAllSlidesFrame* page = Page(FPageIndex)) page->Hide();
    PresenterFrame.Show();
    ShowHideAllSlidesImage.SetPicture(ShowAllSlidesUpImage.Picture());
    ShowHideAllSlidesImage.Tag = asShowAllSlides;
  } else {
    ShowHideAllSlidesImage.SetPicture(HideAllSlidesUpImage.Picture());
    ShowHideAllSlidesImage.Tag = asHideAllSlides;
    PresenterFrame.Hide();
    if (TAllSlidesFrame* page = Page(FPageIndex)) page->Show();
  }
}

void TSlideShowFrame::ShowPresenterView() {
  if (TAllSlidesFrame* page = Page(FPageIndex)) page->Hide();
  PresenterFrame.Show();
  ShowHideAllSlidesImage.SetPicture(ShowAllSlidesUpImage.Picture());
  ShowHideAllSlidesImage.Tag = asShowAllSlides;
}

// ---- the all-slides pages

void TSlideShowFrame::BuildPages(uint8_t ResolutionIndex) {
  const TAllSlidesLayout& layout = AllSlidesLayout[ResolutionIndex];
  const TSelectorResolution& screen = SelectorResolutions[ResolutionIndex];
  FSlideCount = FModule ? int32_t(FModule->SlideInfos.size()) : 0;
  FCellsPerPage = CellsPerPage(layout);
  TBounds bounds = PageBounds(screen.Width, screen.Height);
  for (const TAllSlidesPage& plan : PlanPages(FSlideCount, FCellsPerPage)) {
    auto made = std::make_unique<TAllSlidesFrame>();
    made->BuildSlideGrid(ResolutionIndex);
    made->Hide();
    made->SetBounds(bounds);
    made->FPresentationName = FPresentationName;
    TAllSlidesFrame& page = Insert(std::move(made));
    page.SetPageCallbacks([this] { PrevPage(); }, [this] { NextPage(); });
    page.FFirstCell = plan.FirstCell;
    page.FFirstSlide = plan.FirstSlide;
    page.FLastCell = plan.LastCell;
    page.FLastSlide = plan.LastSlide;
    for (int32_t cell = 1; cell <= page.TileCount(); ++cell) {
      TImage& tile = page.GetTile(cell - 1);
      tile.Tag = CellContent(plan, cell, FCellsPerPage);
      // The arrows now; the slides' thumbnails tick in one by one.
      if (tile.Tag < 0) ShowSlide(tile, tile.Tag);
    }
    FPages.push_back(&page);
  }
  // Nothing to fill, nothing to tick for.
  PopulateAllSlidesTimer.SetEnabled(FSlideCount > 0);
}

void TSlideShowFrame::HighlightSlide(int32_t n) {
  int32_t holder = PageOfSlide(FSlideCount, FCellsPerPage, n);
  for (size_t i = 0; i < FPages.size(); ++i) FPages[i]->ShowHighlight(int32_t(i) == holder ? n : 0);
}

TImage* TSlideShowFrame::FindPageImage(int32_t n) {
  TAllSlidesFrame* page = Page(PageOfSlide(FSlideCount, FCellsPerPage, n));
  return page ? page->FindTileByTag(n) : nullptr;
}

void TSlideShowFrame::PrevPage() {
  if (FPageIndex <= 0) return;
  FPages[size_t(FPageIndex)]->Hide();
  --FPageIndex;
  FPages[size_t(FPageIndex)]->Show();
}

void TSlideShowFrame::NextPage() {
  if (FPageIndex >= int32_t(FPages.size()) - 1) return;
  FPages[size_t(FPageIndex)]->Hide();
  ++FPageIndex;
  FPages[size_t(FPageIndex)]->Show();
}

// One thumbnail a tick, in slide order, whether the pages are on view or not. A slide that cannot
// be read leaves its cell empty (ShowSlide) and the fill goes on with the next.
void TSlideShowFrame::PopulateAllSlidesTimerTimer() {
  if (FLoadedCount < FSlideCount) {
    ++FLoadedCount;
    if (TImage* cell = FindPageImage(FLoadedCount)) ShowSlide(*cell, FLoadedCount);
  }
  if (FLoadedCount >= FSlideCount) PopulateAllSlidesTimer.SetEnabled(false);
}

// ---- time

void TSlideShowFrame::DiffTimerTimer() { DiffTimerLabel.SetCaption(FStartTime.Text(MonotonicMs())); }

void TSlideShowFrame::CurTimerTimer() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  CurTimeLabel.SetCaption(FormatClock(now.wHour, now.wMinute));
}
