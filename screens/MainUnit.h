// The presenter window: one borderless window over the first monitor holding the selector, the
// file browser and one slide-show screen per running presentation, all on the work area. It keeps
// auto-run off while it exists and sets the exit event when it ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AutoRunPolicy.h"
#include "FileBrowserFrameUnit.h"
#include "Form.h"
#include "KernelHandle.h"
#include "SelectorUnit.h"
#include "SlideShowFrameUnit.h"

class TAboutForm;

class TMainForm : public TForm {
 public:
  TMainForm();
  ~TMainForm() override;

  TFileBrowserFrame& FFileBrowserFrame;
  TSelectorFrame& SelectorFrame;

  TSlideShowFrame* FindFrame(const std::string& Name) const;
  void CreateFrame(const std::string& Name, TDesignerModule* Module, TStream* Stream);
  void DestroyFrame(const std::string& Name);
  void ShowFrame(const std::string& Name);
  void HideFrame(const std::string& Name);
  void SelectPresenterFrame(const std::string& Name);
  void ShowSelector();
  void ShowFileBrowser();
  void SelectLaunchMode() { SelectorFrame.SetMode(TSelectorMode::Launch); }
  void SelectManageMode() { SelectorFrame.SetMode(TSelectorMode::Manage); }

  void SetFrameSlideImages(const std::string& Name, int32_t Current, int32_t Previous, int32_t Next);
  void ShowFrameNotes(const std::string& Name);
  void HideFrameNotes(const std::string& Name);
  void SetFrameNotesText(const std::string& Name, const std::wstring& Text);
  void SetFrameAnimationsCount(const std::string& Name, int32_t Current, int32_t Total);
  void ShowFrameVideoButton(const std::string& Name, bool Show);
  void SetFrameVideoPlaying(const std::string& Name, bool Playing);
  void SetFrameShowButton(const std::string& Name);
  void SetFrameBlankButton(const std::string& Name);

  void FileBrowserFrameCancelButtonClick();
  void FileBrowserFrameOKButtonClick();

  int WorkLeft() const { return FWorkLeft; }
  int WorkTop() const { return FWorkTop; }
  int WorkWidth() const { return FWorkWidth; }
  int WorkHeight() const { return FWorkHeight; }

  // Ends the window's service at once: it hides, sets and closes the exit event, puts the
  // auto-run value back and ends its open dialogs. Freeing the object may follow later (when a
  // dialog of it is still returning); the destructor does this too if it has not been done.
  void Shutdown();

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormKeyUp(WORD key, TShiftState shift);
  void WMDeviceChange(WPARAM event, LPARAM data);
  void SelectorFrameExitImageClick();
  void SelectorFrameReduceEmptySlotsImageClick();
  void HideAllFrames();
  void PlaceScreen(TWinControl& screen) const;

  TKernelHandle FExitEvent;
  std::vector<TSlideShowFrame*> FFrames;
  TSlideShowFrame* FCurrentFrame = nullptr;
  int FWorkLeft = 0, FWorkTop = 0, FWorkWidth = 0, FWorkHeight = 0;
  TAutoRunPolicy FSavedAutoRun;
  bool shutDown_ = false;
};
