#include "MainUnit.h"

#include <dbt.h>

#include "AboutUnit.h"
#include "Application.h"
#include "CommandMailbox.h"
#include "FormPictures.h"
#include "LayoutTables.h"
#include "MainWindowRules.h"
#include "ProductNames.h"
#include "UtilsUnit.h"

namespace {
const char kExitQuestion[] = "Are you sure you want to exit out of Ruvo Presenter?";
}  // namespace

TMainForm::TMainForm()
    : TForm(TBorderStyle::None, false),
      FFileBrowserFrame(Add<TFileBrowserFrame>()),
      SelectorFrame(Add<TSelectorFrame>()) {
  SetCaption(kProductCaption);
  SetColor(RGB(0, 0, 0));
  SetFont(kFormFont);
  KeyPreview = true;
  if (HICON icon = LoadIconA(OwnModule(), MAKEINTRESOURCEA(kProductIconId)))
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  OnKeyUp = [this](TForm&, WORD key, TShiftState shift) { FormKeyUp(key, shift); };
  OnCloseQuery = [](TForm&) { return false; };  // only ClosePresenter ends the window

  FFileBrowserFrame.CancelButton.OnClick = [this](TButton&) { FileBrowserFrameCancelButtonClick(); };
  FFileBrowserFrame.OKButton.OnClick = [this](TButton&) { FileBrowserFrameOKButtonClick(); };
  SelectorFrame.SetAnchors(akLeft | akTop);
  SelectorFrame.ExitImage.SetAnchors(akLeft | akTop | akBottom);
  SelectorFrame.ExitImage.OnClick = [this](TControl&) { SelectorFrameExitImageClick(); };
  SelectorFrame.ExitImage.OnMouseDown = [this](TControl&, TMouseButton) {
    SelectorFrame.ExitImage.SetPicture(SelectorFrame.ExitDownImage.Picture());
  };
  SelectorFrame.ExitImage.OnMouseUp = [this](TControl&, TMouseButton) {
    SelectorFrame.ExitImage.SetPicture(SelectorFrame.ExitUpImage.Picture());
  };
  SelectorFrame.ReduceEmptySlotsImage.OnClick = [this](TControl&) { SelectorFrameReduceEmptySlotsImageClick(); };
  SelectorFrame.ReduceEmptySlotsImage.OnMouseDown = [this](TControl&, TMouseButton) {
    SelectorFrame.ReduceEmptySlotsImage.SetPicture(SelectorFrame.ReduceEmptySlotsDownImage.Picture());
  };
  SelectorFrame.ReduceEmptySlotsImage.OnMouseUp = [this](TControl&, TMouseButton) {
    SelectorFrame.ReduceEmptySlotsImage.SetPicture(SelectorFrame.ReduceEmptySlotsUpImage.Picture());
  };

  // Creation steps, once the selector has chosen the screen size.
  RECT monitor{};
  if (!MonitorBounds(1, monitor)) monitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  int width = monitor.right - monitor.left, height = monitor.bottom - monitor.top;
  // Centred on the screen, where it first shows.
  SetBounds((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height);
  const TSelectorResolution& work = SelectorResolutions[SelectorFrame.FResolution];
  TWorkArea area = CenteredWorkArea(width, height, work.Width, work.Height);
  FWorkLeft = area.Left, FWorkTop = area.Top, FWorkWidth = area.Width, FWorkHeight = area.Height;
  PlaceScreen(SelectorFrame);
  PlaceScreen(FFileBrowserFrame);
  // Last, so that a window that failed to be made never leaves auto-run off or the event open.
  FSavedAutoRun.Disable();
  FExitEvent = TKernelHandle(CreateEventA(nullptr, TRUE, FALSE, kExitEventName));
}

TMainForm::~TMainForm() {
  // The screens go with the window; their modules and streams stay the caller's.
  Shutdown();
}

void TMainForm::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  SetVisible(false);
  EndOwnedModals();
  // The launcher may end PowerPoint as soon as the event is set: the value goes back first.
  FSavedAutoRun.Restore();
  if (FExitEvent) SetEvent(FExitEvent.Get());
  FExitEvent.Reset();
}

void TMainForm::PlaceScreen(TWinControl& screen) const {
  screen.SetBounds(FWorkLeft, FWorkTop, FWorkWidth, FWorkHeight);
}

TSlideShowFrame* TMainForm::FindFrame(const std::string& Name) const {
  for (TSlideShowFrame* frame : FFrames)
    if (frame->FPresentationName == Name) return frame;
  return nullptr;
}

void TMainForm::CreateFrame(const std::string& Name, TDesignerModule* Module, TStream* Stream) {
  // Without a module there is no presentation to show.
  if (!Module || FindFrame(Name)) return;
  auto frame = std::make_unique<TSlideShowFrame>();
  frame->Bind(Name, Module, SelectorFrame.FResolution, Stream);
  // Hidden before it gets its window, so that it never flashes.
  frame->SetVisible(false);
  frame->BackgroundImage.SetPicture(SelectorFrame.BackgroundImage.Picture());
  frame->PresenterFrame.BackgroundImage.SetPicture(SelectorFrame.BackgroundImage.Picture());
  frame->SetBounds(FWorkLeft, FWorkTop, FWorkWidth, FWorkHeight);
  FFrames.push_back(&Insert(std::move(frame)));
}

void TMainForm::DestroyFrame(const std::string& Name) {
  TSlideShowFrame* frame = FindFrame(Name);
  if (!frame) return;
  FFrames.erase(std::find(FFrames.begin(), FFrames.end(), frame));
  if (FCurrentFrame == frame) FCurrentFrame = nullptr;
  frame->Hide();
  frame->Release();
  DisposeWhenIdle(Extract(*frame));
}

void TMainForm::HideAllFrames() {
  for (TSlideShowFrame* frame : FFrames) frame->Hide();
}

void TMainForm::ShowFrame(const std::string& Name) {
  if (TSlideShowFrame* frame = FindFrame(Name)) {
    frame->Show();
    FCurrentFrame = frame;
  }
}

void TMainForm::HideFrame(const std::string& Name) {
  if (TSlideShowFrame* frame = FindFrame(Name)) {
    frame->Hide();
    FCurrentFrame = nullptr;
  }
}

void TMainForm::SelectPresenterFrame(const std::string& Name) {
  TSlideShowFrame* frame = FindFrame(Name);
  if (!frame) return;
  if (!frame->Visible()) {
    HideAllFrames();
    SelectorFrame.Hide();
    FFileBrowserFrame.Hide();
    frame->Show();
    FCurrentFrame = frame;
  }
  frame->ShowPresenterView();
}

void TMainForm::ShowSelector() {
  if (SelectorFrame.Visible()) return;
  SelectorFrame.Show();
  FFileBrowserFrame.Hide();
  HideAllFrames();
}

void TMainForm::ShowFileBrowser() {
  if (FFileBrowserFrame.Visible()) return;
  FFileBrowserFrame.RefreshDrives();
  SelectorFrame.Hide();
  FFileBrowserFrame.Show();
  HideAllFrames();
}

void TMainForm::SetFrameSlideImages(const std::string& Name, int32_t Current, int32_t Previous, int32_t Next) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetSlideImages(Current, Previous, Next);
}

void TMainForm::ShowFrameNotes(const std::string& Name) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->ShowNotesPanel();
}

void TMainForm::HideFrameNotes(const std::string& Name) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->HideNotesPanel();
}

void TMainForm::SetFrameNotesText(const std::string& Name, const std::wstring& Text) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetNotesText(Text);
}

void TMainForm::SetFrameAnimationsCount(const std::string& Name, int32_t Current, int32_t Total) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetAnimationsCount(Current, Total);
}

void TMainForm::ShowFrameVideoButton(const std::string& Name, bool Show) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->ShowVideoButton(Show);
}

void TMainForm::SetFrameVideoPlaying(const std::string& Name, bool Playing) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetVideoPlaying(Playing);
}

void TMainForm::SetFrameShowButton(const std::string& Name) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetShowButton();
}

void TMainForm::SetFrameBlankButton(const std::string& Name) {
  if (TSlideShowFrame* f = FindFrame(Name)) f->SetBlankButton();
}

void TMainForm::FileBrowserFrameCancelButtonClick() { SetCommand(std::string(), cmdBrowseCancel); }

void TMainForm::FileBrowserFrameOKButtonClick() {
  std::string path = FFileBrowserFrame.SelectedPath();
  SetCommand(std::string(), cmdBrowseOK, nullptr, &path);
}

void TMainForm::FormKeyUp(WORD key, TShiftState shift) {
  if (!FCurrentFrame) return;
  if (int32_t command = SlideKeyCommand(key, shift != 0)) SetCommand(FCurrentFrame->FPresentationName, command);
}

void TMainForm::SelectorFrameExitImageClick() {
  // Held keys count, not their toggle state.
  bool ctrl = GetKeyState(VK_CONTROL) & 0x8000, shift = GetKeyState(VK_SHIFT) & 0x8000;
  if (ctrl && shift) {
    TAboutForm about(this);
    about.ShowModal();
    return;
  }
  if (ShowMessageBox(kExitQuestion, kProductCaption, MB_YESNO | MB_ICONWARNING) == IDYES && !shutDown_)
    SetCommand(std::string(), cmdExitPresenter);
}

void TMainForm::SelectorFrameReduceEmptySlotsImageClick() { SetCommand(std::string(), cmdReduceEmptySlots); }

void TMainForm::WMDeviceChange(WPARAM event, LPARAM data) {
  // Only arrival and removal notices point at a header; other events may carry anything.
  bool volumeEvent = event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE;
  const auto* header = volumeEvent ? reinterpret_cast<const DEV_BROADCAST_HDR*>(data) : nullptr;
  bool haveHeader = header && header->dbch_size >= sizeof(DEV_BROADCAST_HDR);
  uint32_t type = haveHeader ? header->dbch_devicetype : 0;
  bool haveVolume = haveHeader && header->dbch_size >= sizeof(DEV_BROADCAST_VOLUME);
  uint32_t mask =
      haveVolume && type == DBT_DEVTYP_VOLUME ? reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data)->dbcv_unitmask : 0;
  TVolumeNotice notice = VolumeNoticeCommand(uint32_t(event), haveHeader, type, haveVolume, mask);
  if (notice.Command) SetCommand(std::string(), notice.Command, nullptr, &notice.Letter);
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DEVICECHANGE) {
    // Every query the notice carries is granted, and none reaches the default handling.
    WMDeviceChange(wParam, lParam);
    return TRUE;
  }
  return TForm::WndProc(msg, wParam, lParam);
}
