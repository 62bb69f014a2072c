// The selector's tiles in this process: their frame pictures are decoded once per tile size and
// shared by every tile, whatever the number of tiles and level changes; a level change that fails
// leaves the old grid alone.
#include <gtest/gtest.h>

#include "Form.h"
#include "ScreenTools.h"
#include "SelectorUnit.h"

namespace {
int gWindowsMade = 0;
// Refuses the fourth window made while it is hooked in.
LRESULT CALLBACK RefuseFourthWindow(int code, WPARAM w, LPARAM l) {
  return code == HCBT_CREATEWND && ++gWindowsMade == 4 ? 1 : CallNextHookEx(nullptr, code, w, l);
}
}  // namespace

TEST(SelectorTiles, ShareOneDecodeOfEachFramePicturePerTileSizeAndAFailedLevelChangeLeavesTheOldGrid) {
  TForm form(TBorderStyle::None, false);
  form.SetBounds(0, 0, 1280, 1024);
  TSelectorFrame& selector = form.Insert(std::make_unique<TSelectorFrame>());
  form.Show();
  ASSERT_EQ(selector.GetMaxLevel(), 2);
  // Seven frames of the large size and the backdrop, for six tiles.
  EXPECT_EQ(selector.TilePictures().Decoded(), 8);
  for (int round = 0; round < 2; ++round) {
    selector.SetLevel(2);
    selector.SetLevel(1);
  }
  EXPECT_EQ(selector.TilePictures().Decoded(), 15);
  selector.SetLevel(2);
  const TPicture& first = selector.GetSlot(1)->ThumbnailFrameImage.Picture();
  ASSERT_TRUE(first);
  for (int n = 2; n <= selector.SlotCount(); ++n)
    EXPECT_TRUE(selector.GetSlot(n)->ThumbnailFrameImage.Picture().SameObject(first)) << n;

  const int slots = selector.SlotCount();
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseFourthWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  EXPECT_ANY_THROW(selector.SetLevel(1));
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(selector.SlotCount(), slots);
  EXPECT_EQ(SelectorTiles(selector.Handle()).size(), size_t(slots));
}
