#include <gtest/gtest.h>
#include <zlib.h>

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

// A header that claims more pixels than a 32-bit process can hold is refused before any allocation.
TEST(Picture, AbsurdSizesAreRefused) {
  for (uint32_t side : {10000u, 20000u}) {
    auto png = MakeTestPng(4, 4, 1);
    for (int i = 0; i < 2; ++i)
      for (int b = 0; b < 4; ++b) png[16 + 4 * i + b] = uint8_t(side >> (24 - 8 * b));
    uLong crc = crc32(0, png.data() + 12, 17);  // IHDR's type and data
    for (int b = 0; b < 4; ++b) png[29 + b] = uint8_t(crc >> (24 - 8 * b));
    try {
      DecodePng(png.data(), png.size());
      ADD_FAILURE() << side;
    } catch (const ERuvoError& e) {
      EXPECT_NE(std::string(e.what()).find("unsupported size"), std::string::npos) << e.what();
    }
  }
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
