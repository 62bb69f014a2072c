// The portable rules of the presentation export and of the slide-show window's caption.
#include <gtest/gtest.h>

#include "ExportNames.h"
#include "SlideShowCaption.h"

TEST(ExportNames, ModuleNamesFromThePresentationPath) {
  const struct {
    const char *ppt, *target, *tempModule, *tempCopy;
  } cases[] = {
      {"D:\\Talks\\talk.ppt", "D:\\Talks\\talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"D:\\Talks\\a.b.ppt", "D:\\Talks\\a.b.ruvo", "C:\\Temp\\a.b.ruvo", "C:\\Temp\\a.b.1.ruvo"},
      {"D:\\Talks\\talk", "D:\\Talks\\talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"D:\\v1.2\\talk", "D:\\v1.2\\talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"talk.pptx", "talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"..\\decks\\talk.pps", "..\\decks\\talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"E:talk.ppt", "E:talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
      {"\\\\srv\\share\\talk.ppt", "\\\\srv\\share\\talk.ruvo", "C:\\Temp\\talk.ruvo", "C:\\Temp\\talk.1.ruvo"},
  };
  for (const auto& c : cases) {
    TExportNames names = MakeExportNames(c.ppt, "C:\\Temp\\");
    EXPECT_EQ(names.Target, c.target) << c.ppt;
    EXPECT_EQ(names.TempModule, c.tempModule) << c.ppt;
    EXPECT_EQ(names.TempCopy, c.tempCopy) << c.ppt;
  }
}

TEST(ExportNames, PresentationPathEachModuleStores) {
  const struct {
    const char *fullName, *tempModuleStores, *tempCopyStores;
  } cases[] = {
      {"D:\\Talks\\talk.ppt", "D:\\Talks\\talk.ppt", "talk.ppt"},  // another drive: the full path
      {"C:\\Talks\\talk.ppt", "..\\..\\..\\Talks\\talk.ppt", "talk.ppt"},
      {"c:\\users\\me\\temp\\talk.ppt", "talk.ppt", "talk.ppt"},
      {"C:\\Users\\me\\Temp\\sub\\talk.ppt", "sub\\talk.ppt", "talk.ppt"},
      {"\\\\srv\\share\\talk.ppt", "\\\\srv\\share\\talk.ppt", "talk.ppt"},
  };
  TExportNames names = MakeExportNames("D:\\Talks\\talk.ppt", "C:\\Users\\me\\Temp\\");
  for (const auto& c : cases) {
    EXPECT_EQ(TempModulePresentationPath(names.TempModule, c.fullName), c.tempModuleStores) << c.fullName;
    EXPECT_EQ(TempCopyPresentationPath(c.fullName), c.tempCopyStores) << c.fullName;
  }
}

TEST(ExportNames, StatusLinesAndPictureNames) {
  TExportNames names = MakeExportNames("D:\\Talks\\talk.ppt", "C:\\Temp\\");
  EXPECT_EQ(ExportingStatusText("D:\\Talks\\talk.ppt", names), "Status: Exporting \"talk.ppt\" to \"talk.ruvo\".");
  EXPECT_EQ(CopyingStatusText(names), "Status: Copying \"talk.1.ruvo\" from \"C:\\Temp\\\" to \"D:\\Talks\\\".");
  EXPECT_EQ(SlidePictureName("C:\\Temp\\", 0), "C:\\Temp\\ruvo0.png");
  EXPECT_EQ(SlidePictureName("C:\\Temp\\", 1023), "C:\\Temp\\ruvo1023.png");
}

TEST(ExportNames, RoomForTheCopy) {
  const struct {
    int64_t size, free;
    bool room;
  } cases[] = {
      {2047, 1025, true},   // measures as 1024
      {2047, 1024, false},  // equal is not enough
      {2048, 2048, false},
      {1023, 1, true},  // measures as 0
      {0, 0, false},    // free space unknown
      {5000000000LL, 5000000000LL + 1, true},
      {5000000000LL, 4999999488LL, false},  // measures as 4999999488
  };
  for (const auto& c : cases) EXPECT_EQ(RoomForCopy(c.size, c.free), c.room) << c.size << " in " << c.free;
}

TEST(SlideShowCaption, PrefixAndMatch) {
  const struct {
    const char *path, *text;
    bool match;
  } cases[] = {
      {"C:\\Talks\\deck.ppt", "PowerPoint Slide Show - [deck.ppt]", true},
      {"C:\\Talks\\deck.ppt", "PowerPoint Slide Show - [deck.ppt] - Presenter", true},
      {"deck.ppt", "PowerPoint Slide Show - [deck.ppt]", true},            // no folder: the whole path
      {"C:deck.ppt", "PowerPoint Slide Show - [deck.ppt]", true},          // a colon ends the folder part
      {"C:\\Talks\\deck.ppt", "PowerPoint Slide Show - [deck.pp", false},  // text shorter than the prefix
      {"C:\\Talks\\deck.ppt", "PowerPoint Slide Show - [Deck.ppt]", false},
      {"C:\\Talks\\deck.ppt", "powerpoint slide show - [deck.ppt]", false},
      {"C:\\Talks\\deck.ppt", "PowerPoint Slide Show - [other.ppt]", false},
      {"", "PowerPoint Slide Show - [", false},  // no file name matches nothing
      {"C:\\Talks\\", "PowerPoint Slide Show - [deck.ppt]", false},
      {"D:", "PowerPoint Slide Show - [deck.ppt]", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchesSlideShowCaption(c.text, SlideShowCaptionPrefix(c.path)), c.match) << c.path << " / " << c.text;
  EXPECT_EQ(SlideShowCaptionPrefix("C:\\Talks\\deck.ppt"), "PowerPoint Slide Show - [deck.ppt");
}
