#include "AboutUnit.h"

#include <shellapi.h>

#include "AboutLayout.h"
#include "FormPictures.h"

const char kProductWebPage[] = "https://www.example.com/ruvo-presenter/";

namespace {
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
  SetFont(kFormFont);
  SetColor(clBtnFace);
  SetClientSize(kAboutClientWidth, kAboutClientHeight);
  Position = TFormPosition::OwnerFormCenter;

  GroupBox1.SetStyle(TBevelStyle::Etched);
  GroupBox1.SetBounds(kAboutGroupBox1);
  Panel2.SetStyle(TBevelStyle::SoftRaised);
  Panel2.SetBounds(kAboutPanel2);
  ProductImage.SetBounds(kAboutProductImage);
  ProductImage.SetPicture(FormPictureOrNone(fpAboutProduct));

  Label1.SetBounds(kAboutLabel1);
  Label1.SetFont(TFontSpec{"Tahoma", -13, true, clWindowText});
  Label1.SetWordWrap(true);
  Label1.SetShowAccelChar(false);
  Label1.SetTransparent(true);
  Label1.SetAutoSize(true);
  Label1.SetCaption("Ruvo Presenter");
  Label4.SetBounds(kAboutLabel4);
  Label4.SetTransparent(true);
  Label4.SetAutoSize(true);
  Label4.SetCaption("Version 1.0");

  URLLabel.SetBounds(kAboutURLLabel);
  // Sized to its text, so that a wider stand-in for Tahoma does not cut it off.
  URLLabel.SetAutoSize(true);
  URLLabel.SetFont(InColor(kFormFont, clHighlight));
  URLLabel.SetTransparent(true);
  URLLabel.SetCaption("Click here to visit Ruvo Presenter website");
  URLLabel.Cursor = TCursor::HandPoint;
  URLLabel.OnClick = [this](TControl&) { URLLabelClick(); };
  // Either handler recolours whichever label raised it.
  URLLabel.OnMouseEnter = [](TControl& sender) {
    if (auto* label = dynamic_cast<TLabel*>(&sender)) label->SetFont(InColor(label->Font(), clHotLight));
  };
  URLLabel.OnMouseLeave = [](TControl& sender) {
    if (auto* label = dynamic_cast<TLabel*>(&sender)) label->SetFont(InColor(label->Font(), clHighlight));
  };

  OKButton.SetBounds(kAboutOKButton);
  OKButton.SetCaption("OK");
  OKButton.OnClick = [this](TButton&) { SetModalResult(IDOK); };
  SetDefaultButton(&OKButton);
  SetCancelButton(&OKButton);
}

void TAboutForm::URLLabelClick() {
  // Nothing is reported when no browser can open the page.
  ShellExecuteA(Handle(), "open", kProductWebPage, nullptr, nullptr, SW_SHOW);
}
