#include <gtest/gtest.h>

#include "../doubles/TestPng.h"
#include "Picture.h"
#include "RuvoError.h"

TEST(Picture, CopiesShareThePixels) {
  auto png = MakeTestPng(5, 4, 9);
  TPicture a = DecodePng(png.data(), png.size());
  TPicture b = a;
  EXPECT_TRUE(a.SameObject(b));
  TPicture c = DecodePng(png.data(), png.size());
  EXPECT_FALSE(a.SameObject(c));
  EXPECT_TRUE(a.SameContent(c));
  EXPECT_EQ(a.Kind(), TPictureKind::Alpha);
  EXPECT_FALSE(TPicture());
}

TEST(Picture, GarbageIsAnError) {
  uint8_t junk[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_THROW(DecodePng(junk, sizeof junk), ERuvoError);
  EXPECT_THROW(DecodePng(junk, 0), ERuvoError);
}
