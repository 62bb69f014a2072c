// The selector's arithmetic: screen-size choice, tile places of both levels at every size, the
// buttons, and what a slot click posts.
#include <gtest/gtest.h>

#include "CommandMailbox.h"
#include "LayoutTables.h"
#include "SelectorGrid.h"

TEST(SelectorGrid, PicksTheScreenSizeInFourPasses) {
  struct {
    int width, height;
    int index;
  } cases[] = {
      {1280, 1024, 0}, {1366, 768, 1},  {1440, 900, 2},  {1440, 1050, 3},  // exact
      {1600, 1200, 4}, {1680, 1050, 5}, {1920, 1200, 6},                   // exact
      {1440, 1080, 3}, {1440, 901, 2},  {1440, 1049, 2},                   // same width, tallest below
      {1700, 1050, 5}, {1500, 900, 2},  {1368, 768, 1},                    // same height, widest below
      {1920, 1080, 5}, {2560, 1440, 6}, {1600, 1100, 3}, {1366, 1000, 1},  // the largest that fits
      {1024, 768, 0},  {1280, 800, 0},  {0, 0, 0},                         // nothing fits
  };
  for (auto c : cases) EXPECT_EQ(PickScreenSize(c.width, c.height), c.index) << c.width << "x" << c.height;
}

// Equal gaps left of, between and right of the tiles; rows evenly spread between the 70-pixel
// bands at the top and bottom. Gaps may come out zero or negative.
TEST(SelectorGrid, PlacesTheTilesOfALevel) {
  struct {
    int level, size;
    std::vector<int> lefts, tops;  // of the first row and of the first column
  } cases[] = {
      {1, 0, {56, 464, 872}, {151, 552}},                  // 3 x 2 large on 1280x1024: gaps 56 and 81
      {2, 0, {0, 320, 640, 960}, {69, 364, 659}},          // 4 x 3 small on 1280x1024: gaps 0 and -1
      {1, 6, {26, 404, 782, 1160, 1538}, {95, 440, 785}},  // 5 x 3 large on 1920x1200: gaps 26 and 25
  };
  for (const auto& c : cases) {
    const TSelectorLayout& l = SelectorLayout(c.level, c.size);
    const TSelectorResolution& s = SelectorResolutions[c.size];
    std::vector<TTilePlace> places = GridPlaces(l.TileSize, l.Columns, l.Rows, s.Width, s.Height);
    ASSERT_EQ(places.size(), c.lefts.size() * c.tops.size()) << c.level << "/" << c.size;
    for (size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(places[i].Left, c.lefts[i % c.lefts.size()]) << c.level << "/" << c.size << " tile " << i;
      EXPECT_EQ(places[i].Top, c.tops[i / c.lefts.size()]) << c.level << "/" << c.size << " tile " << i;
    }
  }
  // No tile of any level reaches past the screen's right edge.
  for (int level = 1; level <= 2; ++level)
    for (int i = 0; i < kScreenSizeCount; ++i) {
      const TSelectorLayout& l = SelectorLayout(level, i);
      const TSelectorResolution& s = SelectorResolutions[i];
      TTilePlace last = GridPlaces(l.TileSize, l.Columns, l.Rows, s.Width, s.Height).back();
      EXPECT_LE(last.Left + TileDimensions(l.TileSize).Width, s.Width) << level << "/" << i;
    }
}

TEST(SelectorGrid, ButtonsSitSixteenPixelsInFromTheBottomCorners) {
  TSelectorButtonPlaces p = SelectorButtons(1366, 768, 109, 54);
  EXPECT_EQ(p.ExitLeft, 1241);
  EXPECT_EQ(p.ExitTop, 698);
  EXPECT_EQ(p.ReduceLeft, 16);
  EXPECT_EQ(p.ReduceTop, 698);
  EXPECT_EQ(SelectorButtons(1280, 1024, 109, 54).ExitLeft, 1155);
}

TEST(SelectorGrid, SlotClicksAndTheModeRule) {
  struct {
    TSelectorMode mode;
    bool filled;
    int32_t id, param1;
    const char* name;
  } cases[] = {
      {TSelectorMode::Launch, true, cmdLaunchSlot, 0, "talk.ruvo"},
      {TSelectorMode::Launch, false, 0, 0, ""},
      {TSelectorMode::Manage, true, cmdManageFilledSlot, 4, ""},
      {TSelectorMode::Manage, false, cmdManageEmptySlot, 4, ""},
  };
  for (auto c : cases) {
    TSlotCommand cmd = SlotClickCommand(c.mode, c.filled, 4, "talk.ruvo");
    EXPECT_EQ(cmd.Id, c.id);
    EXPECT_EQ(cmd.Param1, c.param1);
    EXPECT_EQ(cmd.HasParam1, c.mode == TSelectorMode::Manage);
    EXPECT_EQ(cmd.Name, c.name);
  }
  EXPECT_EQ(ModeFromSlots({"", "", ""}), TSelectorMode::Manage);
  EXPECT_EQ(ModeFromSlots({"", "b.ruvo", ""}), TSelectorMode::Launch);
  EXPECT_EQ(ModeFromSlots({}), TSelectorMode::Manage);
}
