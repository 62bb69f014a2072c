// The about box: product name, version and a link to the product's web page; shown modally.
#pragma once

#include "Button.h"
#include "Form.h"

// The product's web page.
extern const char kProductWebPage[];

class TAboutForm : public TForm {
 public:
  explicit TAboutForm(TForm* owner);

  TBevel& GroupBox1;
  TBevel& Panel2;
  TImage& ProductImage;
  TLabel& Label1;
  TLabel& Label4;
  TLabel& URLLabel;
  TButton& OKButton;

 private:
  void URLLabelClick();
};
