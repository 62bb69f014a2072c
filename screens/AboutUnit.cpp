#include "AboutUnit.h"

#include <shellapi.h>

#include "FormPictures.h"

const char kProductWebPage[] = "https://www.example.com/ruvo-presenter/";

namespace {
// The group box's children are laid out within it.
constexpr int kGroupLeft = 8, kGroupTop = 8;
constexpr TColor clHighlight = SysColor(COLOR_HIGHLIGHT);
constexpr TColor clHotLight = SysColor(COLOR_HOTLIGHT);
}  // namespace

TAboutForm::TAboutForm(TForm* owner)
    : TForm(TBorderStyle::Dialog, true, owner),
      GroupBox1(Add<TBevel>()),
      Panel2(Add<TBevel>()),
      ProductImage(Add<TImage>()),
      Label1(Add<TLabel>()),
      Label4(Add<TLabel>()),
      URLLabel(Add<TLabel>()),
      OKButton(Add<TButton>()) {
  SetCaption("About");
  SetFont(TFontSpec{"Tahoma", -11, false, clWindowText});
  SetColor(clBtnFace);
  SetClientSize(473, 273);
  Position = TFormPosition::OwnerFormCenter;

  GroupBox1.SetStyle(TBevelStyle::Etched);
  GroupBox1.SetBounds(8, 8, 457, 226);
  Panel2.SetStyle(TBevelStyle::SoftRaised);
  Panel2.SetBounds(kGroupLeft + 16, kGroupTop + 24, 40, 40);
  ProductImage.SetBounds(Panel2.Left() + 2, Panel2.Top() + 2, 32, 32);
  ProductImage.SetPicture(FormPictureOrNone(fpAboutProduct));

  Label1.SetBounds(kGroupLeft + 72, kGroupTop + 24, 360, 16);
  Label1.SetFont(TFontSpec{"Tahoma", -13, true, clWindowText});
  Label1.SetWordWrap(true);
  Label1.SetShowAccelChar(false);
  Label1.SetTransparent(true);
  Label1.SetAutoSize(true);
  Label1.SetCaption("Ruvo Presenter");
  Label4.SetBounds(kGroupLeft + 72, kGroupTop + 48, 0, 0);
  Label4.SetTransparent(true);
  Label4.SetAutoSize(true);
  Label4.SetCaption("Version 1.0");

  URLLabel.SetBounds(kGroupLeft + 72, kGroupTop + 195, 204, 13);
  // Sized to its text, so that a wider stand-in for Tahoma does not cut it off.
  URLLabel.SetAutoSize(true);
  URLLabel.SetFont(TFontSpec{"Tahoma", -11, false, clHighlight});
  URLLabel.SetTransparent(true);
  URLLabel.SetCaption("Click here to visit Ruvo Presenter website");
  URLLabel.Cursor = TCursor::HandPoint;
  URLLabel.OnClick = [this](TControl&) { URLLabelClick(); };
  // Either handler recolours whichever label raised it.
  URLLabel.OnMouseEnter = [](TControl& sender) {
    if (auto* label = dynamic_cast<TLabel*>(&sender)) {
      TFontSpec f = label->Font();
      f.Color = clHotLight;
      label->SetFont(f);
    }
  };
  URLLabel.OnMouseLeave = [](TControl& sender) {
    if (auto* label = dynamic_cast<TLabel*>(&sender)) {
      TFontSpec f = label->Font();
      f.Color = clHighlight;
      label->SetFont(f);
    }
  };

  OKButton.SetBounds(392, 240, 73, 25);
  OKButton.SetCaption("OK");
  OKButton.OnClick = [this](TButton&) { SetModalResult(IDOK); };
  SetDefaultButton(&OKButton);
  SetCancelButton(&OKButton);
}

void TAboutForm::URLLabelClick() {
  // Nothing is reported when no browser can open the page.
  ShellExecuteA(Handle(), "open", kProductWebPage, nullptr, nullptr, SW_SHOW);
}
