// Where an image control puts its picture.
#include <gtest/gtest.h>

#include "ImageRect.h"

namespace {
bool Same(TDrawRect r, int l, int t, int w, int h) {
  return r.Left == l && r.Top == t && r.Width == w && r.Height == h;
}
}  // namespace

TEST(ImageDestRect, PlainPictureIsDrawnAtItsOwnSizeFromTheCorner) {
  EXPECT_TRUE(Same(ImageDestRect(400, 300, 120, 90, {}), 0, 0, 400, 300));
  EXPECT_TRUE(Same(ImageDestRect(40, 30, 120, 90, {false, false, true}), 40, 30, 40, 30));
}

TEST(ImageDestRect, StretchFillsTheControl) {
  EXPECT_TRUE(Same(ImageDestRect(40, 30, 120, 100, {true, false, false}), 0, 0, 120, 100));
}

TEST(ImageDestRect, ProportionalKeepsTheAspectAndCentres) {
  TImageFit fit{true, true, true};
  // A 4:3 slide in a 320 x 240 tile area fills it; a 16:9 one is letterboxed.
  EXPECT_TRUE(Same(ImageDestRect(1024, 768, 320, 240, fit), 0, 0, 320, 240));
  EXPECT_TRUE(Same(ImageDestRect(1920, 1080, 320, 240, fit), 0, 30, 320, 180));
  // Portrait: limited by the height.
  EXPECT_TRUE(Same(ImageDestRect(300, 600, 120, 90, fit), 37, 0, 45, 90));
  // Square in a wide cell: the height limits, then the width is derived.
  EXPECT_TRUE(Same(ImageDestRect(50, 50, 120, 90, fit), 15, 0, 90, 90));
}

TEST(ImageDestRect, ProportionalWithoutStretchShrinksOnlyWhatIsTooBig) {
  TImageFit fit{false, true, true};
  EXPECT_TRUE(Same(ImageDestRect(60, 45, 120, 90, fit), 30, 22, 60, 45));
  EXPECT_TRUE(Same(ImageDestRect(240, 90, 120, 90, fit), 0, 22, 120, 45));
}

TEST(ImageDestRect, EmptyPictureOrControlDoesNotDivideByZero) {
  TImageFit fit{true, true, true};
  EXPECT_TRUE(Same(ImageDestRect(0, 0, 120, 90, fit), 0, 0, 120, 90));
  EXPECT_TRUE(Same(ImageDestRect(100, 50, 0, 0, fit), 0, 0, 0, 0));
}
