// The screen-size tables and the loading of their background pictures.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "../doubles/ArtworkTable.h"
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

// The backgrounds each screen size names, as the artwork holds them: the selector's of the screen's
// size (1680x1050's is 1650 wide, shown stretched), the all-slides page's the screen less its bar.
TEST(LayoutTables, EachScreenSizeNamesBackgroundsOfItsSize) {
  std::map<int32_t, std::pair<int, int>> sizeOf;  // an id the artwork lacks reads as 0 x 0
  for (const TArtworkEntry& e : ServerArtwork()) sizeOf[e.Id] = {e.Width, e.Height};
  for (int i = 0; i < kScreenSizeCount; ++i) {
    const TSelectorResolution& s = SelectorResolutions[i];
    std::pair<int, int> selector(s.Width == 1680 ? 1650 : s.Width, s.Height);
    for (int level : {1, 2}) EXPECT_EQ(sizeOf[SelectorLayout(level, i).ImageResId], selector) << level << "/" << i;
    EXPECT_EQ(sizeOf[AllSlidesLayout[i].ImageResId], std::pair(s.Width, s.Height - 80)) << i;
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
