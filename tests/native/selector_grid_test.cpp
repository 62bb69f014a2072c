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
      {1280, 1024, 0}, {1366, 768, 1},  {1920, 1200, 6}, {1680, 1050, 5},  // exact
      {1440, 1080, 3},                                                     // same width, tallest below
      {1440, 901, 2},  {1440, 1049, 2},                                    // same width, the 900 one
      {1700, 1050, 5}, {1500, 900, 2},                                     // same height, widest below
      {1920, 1080, 5}, {2560, 1440, 6}, {1600, 1100, 3}, {1366, 1000, 1},  // the largest that fits
      {1024, 768, 0},  {1280, 800, 0},  {0, 0, 0},                         // nothing fits
  };
  for (auto c : cases) EXPECT_EQ(PickScreenSize(c.width, c.height), c.index) << c.width << "x" << c.height;
}

// Every level at every screen size: tile count, first and last tile, and that the gaps match the
// formula (equal gaps left, between and right; rows evenly spread below the top band).
TEST(SelectorGrid, PlacesTilesOfBothLevelsAtEverySize) {
  for (int level = 1; level <= 2; ++level) {
    for (int i = 0; i < kScreenSizeCount; ++i) {
      const TSelectorLayout& l = SelectorLayout(level, i);
      const TSelectorResolution& s = SelectorResolutions[i];
      TTileSize tile = TileDimensions(l.TileSize);
      std::vector<TTilePlace> places = GridPlaces(l.TileSize, l.Columns, l.Rows, s.Width, s.Height);
      ASSERT_EQ(int(places.size()), l.Columns * l.Rows) << level << "/" << i;
      int gapX = (s.Width - l.Columns * tile.Width) / (l.Columns + 1);
      int gapY = (s.Height - 140 - l.Rows * tile.Height) / (l.Rows + 1);
      EXPECT_EQ(places.front().Left, gapX);
      EXPECT_EQ(places.front().Top, 70 + gapY);
      EXPECT_EQ(places.back().Left, gapX + (l.Columns - 1) * (tile.Width + gapX));
      EXPECT_EQ(places.back().Top, 70 + gapY + (l.Rows - 1) * (tile.Height + gapY));
      // No tile reaches past the screen.
      EXPECT_LE(places.back().Left + tile.Width, s.Width) << level << "/" << i;
    }
  }
  // The worked examples: large tiles on 1280x1024, and four small columns that leave no gap.
  std::vector<TTilePlace> large = GridPlaces(1, 3, 2, 1280, 1024);
  EXPECT_EQ(large[1].Left, 464);
  EXPECT_EQ(large[2].Left, 872);
  EXPECT_EQ(large[3].Top, 552);
  std::vector<TTilePlace> small = GridPlaces(2, 4, 3, 1280, 1024);
  EXPECT_EQ(small[0].Left, 0);
  EXPECT_EQ(small[0].Top, 69);
  EXPECT_EQ(small[4].Top, 69 + 296 - 1);  // rows overlap by one pixel
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
