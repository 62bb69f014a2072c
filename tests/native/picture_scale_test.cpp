// Pictures shrunk once to the size they are shown at.
#include <gtest/gtest.h>

#include "PictureScale.h"

namespace {
TPicture Solid(int w, int h, uint32_t argb, TPictureKind kind = TPictureKind::Colour) {
  return TPicture(w, h, std::vector<uint32_t>(size_t(w) * size_t(h), argb), kind);
}
}  // namespace

TEST(PictureScale, KeepsProportionsWithinTheBox) {
  struct {
    int w, h, maxW, maxH, outW, outH;
  } cases[] = {
      {1920, 1080, 320, 240, 320, 180}, {1024, 768, 320, 240, 320, 240}, {600, 800, 320, 240, 180, 240},
      {3000, 10, 320, 240, 320, 1},     {320, 180, 320, 240, 320, 180},  {100, 50, 320, 240, 100, 50},
  };
  for (auto c : cases) {
    TPicture p = Solid(c.w, c.h, 0xFF336699);
    TPicture s = ShrinkToFit(p, c.maxW, c.maxH);
    EXPECT_EQ(s.Width(), c.outW) << c.w << "x" << c.h;
    EXPECT_EQ(s.Height(), c.outH) << c.w << "x" << c.h;
  }
  TPicture small = Solid(100, 50, 0xFF000000);
  EXPECT_TRUE(ShrinkToFit(small, 320, 240).SameObject(small));  // nothing to do: the same picture
  EXPECT_FALSE(ShrinkToFit(TPicture(), 320, 240));
}

TEST(PictureScale, AveragesAreaAndAlpha) {
  // Columns alternate black and white: every output pixel is the mid grey.
  std::vector<uint32_t> stripes(64 * 2);
  for (size_t i = 0; i < stripes.size(); ++i) stripes[i] = (i % 2) ? 0xFFFFFFFFu : 0xFF000000u;
  TPicture s = ShrinkToFit(TPicture(64, 2, stripes, TPictureKind::Colour), 16, 16);
  ASSERT_EQ(s.Width(), 16);
  for (int i = 0; i < s.Width() * s.Height(); ++i) EXPECT_NEAR(int(s.Pixels()[i] & 0xFF), 128, 1);
  // A transparent neighbour lends no colour, only transparency.
  std::vector<uint32_t> half = {0xFFFF0000u, 0x0000FF00u};
  TPicture h = ShrinkToFit(TPicture(2, 1, half, TPictureKind::Alpha), 1, 1);
  EXPECT_EQ(h.Pixels()[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_NEAR(int(h.Pixels()[0] >> 24), 128, 1);
  EXPECT_EQ(int(h.Kind()), int(TPictureKind::Alpha));
}
