// The presenter window's decisions: work area, slide keys, volume notices.
#include <gtest/gtest.h>

#include "CommandMailbox.h"
#include "MainWindowRules.h"

TEST(MainWindowRules, CentresTheWorkAreaTruncatingTowardZero) {
  struct {
    int mw, mh, ww, wh, left, top;
  } cases[] = {
      {1280, 1024, 1280, 1024, 0, 0},      {1920, 1080, 1680, 1050, 120, 15}, {1679, 1050, 1680, 1050, 0, 0},
      {1024, 768, 1280, 1024, -128, -128}, {1277, 1024, 1280, 1024, -1, 0},
  };
  for (auto c : cases) {
    TWorkArea a = CenteredWorkArea(c.mw, c.mh, c.ww, c.wh);
    EXPECT_EQ(a.Left, c.left) << c.mw;
    EXPECT_EQ(a.Top, c.top) << c.mh;
    EXPECT_EQ(a.Width, c.ww);
  }
}

TEST(MainWindowRules, SlideKeys) {
  for (uint16_t key : {13, 32, 34, 39, 40, 78, 110}) EXPECT_EQ(SlideKeyCommand(key, false), cmdNextKey) << key;
  for (uint16_t key : {8, 33, 37, 38, 80, 112}) EXPECT_EQ(SlideKeyCommand(key, false), cmdPrevKey) << key;
  for (uint16_t key : {0, 9, 27, 46, 111, 113, 110 + 80, 190}) EXPECT_EQ(SlideKeyCommand(key, false), 0) << key;
  EXPECT_EQ(SlideKeyCommand(39, true), 0);
}

TEST(MainWindowRules, VolumeNotices) {
  EXPECT_EQ(DriveLetterFromMask(1u << 4), "E");
  EXPECT_EQ(DriveLetterFromMask((1u << 3) | (1u << 5)), "D");
  EXPECT_EQ(DriveLetterFromMask(1u << 25), "Z");
  EXPECT_EQ(DriveLetterFromMask(0xFC000000u), "");
  struct {
    uint32_t event;
    bool header;
    uint32_t type;
    bool volume;
    int32_t command;
  } cases[] = {
      {kDeviceArrival, true, 2, true, cmdVolumeArrived},
      {kDeviceRemoveComplete, true, 2, true, cmdVolumeRemoved},
      {0x8001, true, 2, true, 0},
      {kDeviceArrival, true, 3, true, 0},
      {kDeviceArrival, false, 2, false, 0},
      {kDeviceArrival, true, 2, false, 0},
  };
  for (auto c : cases) {
    TVolumeNotice n = VolumeNoticeCommand(c.event, c.header, c.type, c.volume, 1u << 4);
    EXPECT_EQ(n.Command, c.command) << std::hex << c.event << " " << c.type;
    EXPECT_EQ(n.Letter, c.command ? "E" : "");
  }
  // A mask without a letter still posts, with an empty letter.
  EXPECT_EQ(VolumeNoticeCommand(kDeviceArrival, true, 2, true, 0).Command, cmdVolumeArrived);
}
