// The slide-show screen of one running presentation: a top bar (all-slides toggle, Blank/Show,
// the timer panel with the elapsed time and the clock, Exit) over the presenter view. It posts
// the speaker's commands under the presentation's name and shows what the add-in reports back.
// The all-slides pages, which can take the presenter view's place, are filled with thumbnails one
// per timer tick, so that binding returns at once and the show stays responsive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AllSlidesUnit.h"
#include "ClockText.h"
#include "DesignerTypes.h"
#include "Frame.h"
#include "PresenterFrameUnit.h"
#include "Stream.h"
#include "Timer.h"

// BlankShowImage's Tag: the face it shows, and so what a click asks for.
enum TBlankShowFace : int32_t { bsBlank = 0, bsShow = 1 };
// ShowHideAllSlidesImage's Tag: the face it shows; Hide while the all-slides pages are on view.
enum TAllSlidesFace : int32_t { asShowAllSlides = 0, asHideAllSlides = 1 };
// The Tags of the notes label, panel and bar: whether each is shown, kept while the slide has no
// notes so that the next notes bring back the same ones.
enum TNotesShown : int32_t { nsShown = 1, nsHidden = 2 };

class TSlideShowFrame : public TFrame {
 public:
  TSlideShowFrame();

  // In painting order.
  TImage& BackgroundImage;
  TImage& ShowUpImage;
  TImage& BlankUpImage;
  TImage& StartTimerImage;
  TImage& HideAllSlidesUpImage;
  TImage& ShowAllSlidesUpImage;
  TImage& ShowHideAllSlidesImage;
  TImage& BlankShowImage;
  TImage& ExitUpImage;
  TLabel& CurTimeLabel;
  TLabel& DiffTimerLabel;
  TPresenterFrame& PresenterFrame;
  TImage& HideAllSlidesDownImage;
  TImage& ShowAllSlidesDownImage;
  TImage& BlankDownImage;
  TImage& ShowDownImage;
  TImage& ExitImage;
  TImage& ExitDownImage;
  TTimer DiffTimer;
  TTimer CurTimer;
  TTimer PopulateAllSlidesTimer;

  // The module and stream stay the caller's; the screen reads from them until it is released.
  void Bind(const std::string& Name, TDesignerModule* Module, uint8_t ResolutionIndex, TStream* Stream);
  // Taken off its window: stops its timers and forgets the module and stream, which its owner
  // may close now, even if the screen itself is freed a little later.
  void Release();

  // Shows the slides; nothing at all when Current is the slide shown already.
  void SetSlideImages(int32_t Current, int32_t Previous, int32_t Next);
  void SetNotesText(const std::wstring& Text);
  void ShowNotesPanel();
  void HideNotesPanel();
  void SetAnimationsCount(int32_t Current, int32_t Total);
  void ShowVideoButton(bool Show);
  void SetVideoPlaying(bool Playing);
  void SetShowButton();
  void SetBlankButton();
  // Back to the presenter view from the all-slides pages; also when it is on already.
  void ShowPresenterView();

  std::string FPresentationName;
  TDesignerModule* FModule = nullptr;
  TStream* FStream = nullptr;
  // The all-slides pages, owned as controls; the page shown in the all-slides view.
  std::vector<TAllSlidesFrame*> FPages;
  int32_t FPageIndex = 0;
  // The elapsed time runs on a monotonic tick from the first change of slide with a predecessor.
  TElapsedCounter FStartTime;
  int32_t FSlideCount = 0;
  int32_t FLoadedCount = 0;
  TPicture FPrevPagePicture;
  TPicture FNextPagePicture;
  int32_t FCurrentSlide = 0;
  // Cells on every page at the screen size it was bound with.
  int32_t FCellsPerPage = 0;

 protected:
  void Attached() override;

 private:
  void FrameResize();
  void BuildPages(uint8_t ResolutionIndex);
  void HighlightSlide(int32_t n);
  TImage* FindPageImage(int32_t n);
  void PrevPage();
  void NextPage();
  void SetCurrentSlide(int32_t n);
  void SetPrevSlide(int32_t n);
  void SetNextSlide(int32_t n);
  void SetNotesPanel(bool Shown);
  // Slide n scaled to fit the image, an arrow picture for -1 and -2, or nothing for 0. A slide
  // that is missing or cannot be read leaves the image empty, without a message.
  void ShowSlide(TImage& Image, int32_t n);
  TAllSlidesFrame* Page(int32_t index) const;

  void DiffTimerTimer();
  void CurTimerTimer();
  void PopulateAllSlidesTimerTimer();
  void ShowHideAllSlidesImageClick();
  void BlankShowImageClick();
  void ExitImageClick();
};
