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

TEST(Picture, NewObjectIsAnotherObjectOverTheSamePixels) {
  auto png = MakeTestPng(6, 3, 2);
  TPicture a = DecodePng(png.data(), png.size());
  TPicture b = a.NewObject();
  EXPECT_FALSE(a.SameObject(b));
  EXPECT_TRUE(a.SharesPixels(b));
  EXPECT_TRUE(a.SameContent(b));
  EXPECT_EQ(b.Pixels(), a.Pixels());
  EXPECT_EQ(b.Kind(), a.Kind());
  a = TPicture();
  EXPECT_EQ(b.Width(), 6);
  EXPECT_FALSE(TPicture().NewObject());
  EXPECT_FALSE(TPicture().SharesPixels(TPicture()));
}
