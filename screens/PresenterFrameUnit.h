// The presenter view: the part of a slide-show screen the speaker works with during a show. The
// current slide with its position, the previous and next slides in picture buttons, the notes
// panel or the bar that calls it, the build indicator with its two click zones, and the video
// button. Each click posts one command under the presentation's name; the host sets everything
// the add-in reports. The unit also holds the named mutex "RuvoPresenter" while the library is
// loaded.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "Frame.h"
#include "PresenterViewLayout.h"
#include "TntLabel.h"

void PresenterFrameUnitStart();
void PresenterFrameUnitEnd();

// The mutex handle the library holds, or null.
HANDLE PresenterMutex();

// VideoImage's Tag: the face it shows, and so what a click asks for.
enum TVideoFace : int32_t { vfPlay = 1, vfPause = 2 };

class TPresenterFrame : public TFrame {
 private:
  // The design layout's controls by TPresenterViewControl, filled as they are placed.
  std::array<TControl*, kPresenterViewControls> places_{};
  template <class T>
  T& Place(TPresenterViewControl id);

 public:
  TPresenterFrame();

  // In painting order: a later control is drawn over an earlier one.
  TImage& BackgroundImage;
  TImage& HideNotesUpImage;
  TImage& HideNotesDownImage;
  TImage& ShowNotesUpImage;
  TImage& CurSlidePanelImage;
  TImage& NextSlidePanelUpImage;
  TImage& PrevSlidePanelUpImage;
  TImage& CurSlideImage;
  TImage& BuildManualImage;
  TLabel& BuildCountLabel;
  TLabel& NextBuildLabel;
  TLabel& PrevBuildLabel;
  TImage& PrevSlidePanelDownImage;
  TImage& PrevSlidePanelDisabledImage;
  TImage& PrevSlideImage;
  TImage& NextSlidePanelDownImage;
  TImage& NextSlidePanelDisabledImage;
  TImage& NextSlideImage;
  TImage& ShowNotesDownImage;
  TLabel& NotesLabel1;
  TLabel& BuildStepLabel;
  TLabel& SlideCountLabel;
  TImage& VideoImage;
  // The notes, over every other control; a click on it does nothing.
  TTntLabel& FNotesLabel;

  // Lays the controls out for the height the host can give the view; the same height always
  // gives the same layout.
  void AdjustToHeight(int32_t AvailableHeight);
  void SetBuildArrows(bool HasPrevious, bool HasNext);
  void SetVideoState(bool Playing);

  // Every command the view posts carries it.
  std::string FPresentationName;

 private:
  void NextBuildLabelClick();
  void PrevBuildLabelClick();
  void PrevSlideImageClick();
  void NextSlideImageClick();
  void ShowNotesUpImageClick();
  void HideNotesUpImageClick();
  void VideoImageClick();
  // Press and release, any button: one of each pair is always visible.
  void PrevSlidePanelUpImageMouseDown() { Swap(PrevSlidePanelDownImage, PrevSlidePanelUpImage); }
  void PrevSlidePanelUpImageMouseUp() { Swap(PrevSlidePanelUpImage, PrevSlidePanelDownImage); }
  void NextSlidePanelUpImageMouseDown() { Swap(NextSlidePanelDownImage, NextSlidePanelUpImage); }
  void NextSlidePanelUpImageMouseUp() { Swap(NextSlidePanelUpImage, NextSlidePanelDownImage); }
  void ShowNotesUpImageMouseDown() { Swap(ShowNotesDownImage, ShowNotesUpImage); }
  void ShowNotesUpImageMouseUp() { Swap(ShowNotesUpImage, ShowNotesDownImage); }
  void HideNotesUpImageMouseDown() { Swap(HideNotesDownImage, HideNotesUpImage); }
  void HideNotesUpImageMouseUp() { Swap(HideNotesUpImage, HideNotesDownImage); }
  static void Swap(TImage& shown, TImage& hidden);
  void Post(int32_t Command) const;

  TPicture FBothBuildsPicture;
  TPicture FPrevBuildPicture;
  TPicture FNextBuildPicture;
  TPicture FPlayVideoPicture;
  TPicture FPauseVideoPicture;
};
