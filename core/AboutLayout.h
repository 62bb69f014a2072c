// The about box as designed: a group box holding the product picture on its panel, the product
// name, the version and the link to the web page; OK below it.
#pragma once

#include "AnchorLayout.h"

constexpr int kAboutClientWidth = 473, kAboutClientHeight = 273;
constexpr TBounds kAboutGroupBox1{8, 8, 457, 226};
// The group box's children are laid out within it.
constexpr int kAboutGroupLeft = kAboutGroupBox1.Left, kAboutGroupTop = kAboutGroupBox1.Top;
constexpr TBounds kAboutPanel2{kAboutGroupLeft + 16, kAboutGroupTop + 24, 40, 40};
constexpr TBounds kAboutProductImage{kAboutPanel2.Left + 2, kAboutPanel2.Top + 2, 32, 32};
constexpr TBounds kAboutLabel1{kAboutGroupLeft + 72, kAboutGroupTop + 24, 360, 16};
constexpr TBounds kAboutLabel4{kAboutGroupLeft + 72, kAboutGroupTop + 48, 0, 0};
constexpr TBounds kAboutURLLabel{kAboutGroupLeft + 72, kAboutGroupTop + 195, 204, 13};
constexpr TBounds kAboutOKButton{392, 240, 73, 25};
