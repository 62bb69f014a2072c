// The screen-size tables and the loading of their background pictures.
#include <gtest/gtest.h>

#include <vector>

#include "AllSlidesLayout.h"
#include "LayoutTables.h"

namespace {
// Stands in for the resource loader: a small picture per id, recording each decode.
struct TFakeArtwork {
  std::vector<int32_t> decoded;
  std::vector<int32_t> missing;
  TArtworkLoader Loader() {
    return [this](int32_t id) {
      for (int32_t m : missing)
        if (m == id) return TPicture();
      decoded.push_back(id);
      return TPicture(2, 1, {uint32_t(id), uint32_t(id) + 1}, TPictureKind::Palette);
    };
  }
};

class LayoutImages : public ::testing::Test {
 protected:
  void TearDown() override {
    FreeLayoutImages();
    FreeAllSlidesImages();
  }
  TFakeArtwork artwork;
};
}  // namespace

TEST(LayoutTables, CountLayoutModes) {
  const int32_t expected[] = {2, 2, 2, 2, 1, 2, 1};
  for (uint8_t i = 0; i < kScreenSizeCount; ++i) EXPECT_EQ(CountLayoutModes(i), expected[i]) << int(i);
  EXPECT_EQ(CountLayoutModes(7), 1);
  EXPECT_EQ(CountLayoutModes(255), 1);
}

TEST(LayoutTables, BothLevelsOfAScreenSizeShareTheBackgroundId) {
  for (int i = 0; i < kScreenSizeCount; ++i) {
    EXPECT_EQ(SelectorLayout(1, i).ImageResId, 2001 + i);
    EXPECT_EQ(SelectorLayout(2, i).ImageResId, 2001 + i);
  }
  EXPECT_EQ(SelectorLayout(1, 6).Columns * SelectorLayout(1, 6).Rows, 15);
  EXPECT_EQ(SelectorLayout(2, 0).Columns * SelectorLayout(2, 0).Rows, 12);
}

TEST(LayoutTables, AllSlidesGridIsCentredAndItsPageIsTheScreenLessEighty) {
  for (int i = 0; i < kScreenSizeCount; ++i) {
    const TAllSlidesLayout& row = AllSlidesLayout[i];
    int gridWidth = (row.Columns - 1) * row.StepX + row.CellWidth;
    EXPECT_EQ(row.Left0, (SelectorResolutions[i].Width - gridWidth) / 2) << i;
    int pageHeight = SelectorResolutions[i].Height - 80;
    EXPECT_LE(row.Top0 + (row.Rows - 1) * row.StepY + row.CellHeight + 9, pageHeight) << i;
    EXPECT_EQ(row.ImageResId, 3001 + i);
  }
}

TEST_F(LayoutImages, SevenDecodesFillFourteenDistinctPictures) {
  LoadLayoutImages(artwork.Loader());
  EXPECT_EQ(artwork.decoded, (std::vector<int32_t>{2001, 2002, 2003, 2004, 2005, 2006, 2007}));
  for (int i = 0; i < kScreenSizeCount; ++i) {
    const TPicture& a = SelectorLayout(1, i).Image;
    const TPicture& b = SelectorLayout(2, i).Image;
    ASSERT_TRUE(a && b) << i;
    EXPECT_FALSE(a.SameObject(b)) << i;
    EXPECT_TRUE(a.SameContent(b)) << i;
    EXPECT_TRUE(a.SharesPixels(b)) << i;
    EXPECT_EQ(a.Pixels()[0], uint32_t(2001 + i));
  }
  FreeLayoutImages();
  for (int i = 0; i < kScreenSizeCount; ++i) {
    EXPECT_FALSE(SelectorLayout(1, i).Image);
    EXPECT_FALSE(SelectorLayout(2, i).Image);
  }
}

TEST_F(LayoutImages, AMissingBackgroundLeavesBothLevelsEmpty) {
  artwork.missing = {2003};
  LoadLayoutImages(artwork.Loader());
  EXPECT_FALSE(SelectorLayout(1, 2).Image);
  EXPECT_FALSE(SelectorLayout(2, 2).Image);
  EXPECT_TRUE(SelectorLayout(2, 3).Image);
}

TEST_F(LayoutImages, AFreedTablePictureLeavesBorrowedCopiesIntact) {
  LoadLayoutImages(artwork.Loader());
  LoadAllSlidesImages(artwork.Loader());
  TPicture borrowed = SelectorLayout(2, 0).Image;
  TPicture page = AllSlidesLayout[6].Image;
  FreeLayoutImages();
  FreeAllSlidesImages();
  ASSERT_TRUE(borrowed && page);
  EXPECT_EQ(borrowed.Pixels()[1], 2002u);
  EXPECT_EQ(page.Pixels()[0], 3007u);
  for (const auto& row : AllSlidesLayout) EXPECT_FALSE(row.Image);
}
