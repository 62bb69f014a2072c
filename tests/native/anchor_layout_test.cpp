// Anchored controls after their parent changes size.
#include <gtest/gtest.h>

#include "AnchorLayout.h"

TEST(AnchorLayout, EachAnchorKeepsItsDistance) {
  const TBounds b{100, 50, 200, 40};
  struct {
    TAnchors anchors;
    TBounds expected;  // parent 1280x1024 -> 1366x768
  } cases[] = {
      {akLeft | akTop, {100, 50, 200, 40}},
      {akRight | akTop, {186, 50, 200, 40}},
      {akLeft | akRight | akTop, {100, 50, 286, 40}},
      {akLeft | akBottom, {100, -206, 200, 40}},
      {akLeft | akTop | akBottom, {100, 50, 200, 0}},  // a height can shrink to nothing, not below
      // Neither side: the centre keeps its fraction (200 of 1280 -> 213 of 1366; 70 of 1024 -> 53 of 768).
      {0, {113, 33, 200, 40}},
  };
  for (auto c : cases) {
    TAnchorRule rule = MakeAnchorRule(c.anchors, b, 1280, 1024);
    EXPECT_EQ(AnchoredBounds(rule, b, 1366, 768), c.expected) << int(c.anchors);
  }
}

TEST(AnchorLayout, RuleTakenWithoutAParentSizeLeavesTheControl) {
  TBounds b{10, 10, 5, 5};
  EXPECT_EQ(AnchoredBounds(MakeAnchorRule(akRight | akBottom, b, 0, 0), b, 800, 600), b);
}

TEST(AnchorLayout, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDivRound(30, 768, 1024), 23);  // 22.5
  EXPECT_EQ(MulDivRound(-30, 768, 1024), -23);
  EXPECT_EQ(MulDivRound(640, 1366, 1280), 683);
  EXPECT_EQ(MulDivRound(1, 1, 3), 0);
  EXPECT_EQ(MulDivRound(5, 5, 0), 0);
}
