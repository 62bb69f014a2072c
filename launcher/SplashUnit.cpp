#include "SplashUnit.h"

#include "Application.h"
#include "ExportStrings.h"
#include "MessageWait.h"
#include "PngResource.h"

namespace {
constexpr int kSplashPicture = 203;
constexpr TColor kSplashColor = RGB(0x53, 0x48, 0x45);
constexpr TColor kStatusColor = RGB(255, 251, 240);
}  // namespace

TSplashForm::TSplashForm(TForm* owner)
    : TForm(TBorderStyle::None, false, owner),
      SplashImage(Add<TImage>()),
      Timer(*this, 5000, false),
      ProgressLabel(Add<TLabel>()) {
  SetCaption("SplashForm");
  SetClientSize(384, 283);
  SetColor(kSplashColor);
  TFontSpec font;
  font.Name = "Tahoma";
  font.Height = -11;
  SetFont(font);
  Position = TFormPosition::ScreenCenter;

  SplashImage.SetBounds(0, 0, 384, 256);
  Timer.OnTimer = [this](TTimer& t) { TimerTimer(t); };
  ProgressLabel.SetBounds(8, 264, 368, 13);
  ProgressLabel.SetAutoSize(false);
  ProgressLabel.SetTransparent(true);
  font.Color = kStatusColor;
  ProgressLabel.SetFont(font);

  // FormCreate. A picture that cannot be loaded leaves the image area in the window's colour.
  FTimerDone = false;
  FDone = false;
  try {
    SplashImage.SetPicture(LoadPNGResource(OwnModule(), kSplashPicture));
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
    if (!Visible()) return;
    // The first tick comes as a message: sleep until one arrives.
    WaitForMessage(100);
  }
}

void TSplashForm::SetParams(int32_t, int32_t, int32_t) { Repaint(); }

void TSplashForm::SetPosition(int32_t) { Repaint(); }

void TSplashForm::Refresh() { Repaint(); }

void TSplashForm::ProcessMessages() { ::ProcessMessages(); }

void TSplashForm::SetText(const char* Text) { SetStatusText(StringIn(Text)); }
