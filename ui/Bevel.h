// A windowless box drawn with a highlight and a shadow edge.
#pragma once

#include "Control.h"

enum class TBevelStyle {
  Lowered,     // shadow at top left, highlight at bottom right
  Raised,      // the other way round
  SoftRaised,  // a panel's soft outer bevel
  Etched,      // a group box's frame
};

class TBevel : public TGraphicControl {
 public:
  TBevel() = default;
  void SetStyle(TBevelStyle style);

 protected:
  void Paint(HDC dc) override;

 private:
  TBevelStyle style_ = TBevelStyle::Lowered;
};
