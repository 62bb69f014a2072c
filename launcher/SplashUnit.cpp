#include "SplashUnit.h"

#include "Application.h"
#include "ArtworkIds.h"
#include "ExportStrings.h"
#include "MessageWait.h"
#include "PngResource.h"
#include "SplashLayout.h"

namespace {
constexpr TColor kSplashColor = RGB(0x53, 0x48, 0x45);
constexpr TColor kStatusColor = RGB(255, 251, 240);
}  // namespace

TSplashForm::TSplashForm(TForm* owner)
    : TForm(TBorderStyle::None, false, owner),
      SplashImage(Add<TImage>()),
      Timer(*this, 5000, false),
      ProgressLabel(Add<TLabel>()) {
  SetCaption("SplashForm");
  SetClientSize(kSplashClientWidth, kSplashClientHeight);
  SetColor(kSplashColor);
  SetFont(kFormFont);
  Position = TFormPosition::ScreenCenter;

  SplashImage.SetBounds(kSplashImage);
  Timer.OnTimer = [this](TTimer& t) { TimerTimer(t); };
  ProgressLabel.SetBounds(kSplashProgressLabel);
  ProgressLabel.SetAutoSize(false);
  ProgressLabel.SetTransparent(true);
  ProgressLabel.SetFont(InColor(kFormFont, kStatusColor));

  // FormCreate. A picture that cannot be loaded leaves the image area in the window's colour.
  FTimerDone = false;
  FDone = false;
  try {
    SplashImage.SetPicture(LoadPNGResource(OwnModule(), awSplash));
  } catch (const std::exception&) {
  }
  SetParams(0, 0, 1);
  SetStatusText(std::string());
}

void TSplashForm::ShowSplash() {
  Show();
  Timer.SetEnabled(true);
}

void TSplashForm::HideWhenBothDone() {
  if (FDone && FTimerDone) Hide();
}

void TSplashForm::SetDone(bool Value) {
  FDone = Value;
  HideWhenBothDone();
}

void TSplashForm::TimerTimer(TTimer&) {
  FTimerDone = true;
  HideWhenBothDone();
}

void TSplashForm::SetStatusText(const std::string& Text) { ProgressLabel.SetCaption(Text); }

void TSplashForm::WaitUntilHidden() {
  SetDone(true);
  for (;;) {
    ::ProcessMessages();
    // A window destroyed from outside never hides.
    if (!Handle() || !Visible()) return;
    // The first tick comes as a message: sleep until one arrives.
    WaitForMessage(100);
  }
}

void TSplashForm::SetParams(int32_t, int32_t, int32_t) { Repaint(); }

void TSplashForm::SetPosition(int32_t) { Repaint(); }

void TSplashForm::Refresh() { Repaint(); }

void TSplashForm::ProcessMessages() { ::ProcessMessages(); }

void TSplashForm::SetText(const char* Text) { SetStatusText(StringIn(Text)); }
