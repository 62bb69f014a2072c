#include "Button.h"

void TButton::Click() {
  if (Enabled() && OnClick) OnClick(*this);
}

void TButton::Command(WORD code) {
  if (code == BN_CLICKED) Click();
}
