// The slide-show screen's time displays, notes test, build indicator and position texts, and JPEG
// slides read from a module.
#include <gtest/gtest.h>

#include "../doubles/TestJpeg.h"
#include "../doubles/TestPng.h"
#include "ClockText.h"
#include "ModuleFormat.h"
#include "PictureScale.h"
#include "RuvoError.h"
#include "SlideShowRules.h"

TEST(ClockText, ElapsedTime) {
  constexpr int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;
  const int64_t start = 5 * kHour + 123;  // any tick; only differences count
  struct {
    int64_t after;
    const char* text;
  } cases[] = {
      {0, "00:00"},
      {999, "00:00"},  // milliseconds are ignored
      {75 * kSecond, "01:15"},
      {59 * kMinute + 59 * kSecond, "59:59"},
      {kHour, "01:00"},  // the first hour switches to hours and minutes
      {kHour + 5 * kMinute + 30 * kSecond, "01:05"},
      {23 * kHour + 59 * kMinute + 59 * kSecond, "23:59"},
      {24 * kHour + 7 * kSecond, "00:07"},  // whole days drop out
      {25 * kHour + 3 * kMinute, "01:03"},
      {100 * kHour + 7 * kMinute, "04:07"},
  };
  TElapsedCounter counter;
  EXPECT_EQ(counter.Text(start + kHour), "00:00");  // not started
  counter.StartAt(start);
  counter.StartAt(start + kHour);  // a second start changes nothing
  for (auto c : cases) EXPECT_EQ(counter.Text(start + c.after), c.text) << c.after;
  // A tick before the start (it cannot come from a monotonic clock) never shows a negative time.
  EXPECT_EQ(counter.Text(start - 5 * kSecond), "00:00");
}

TEST(ClockText, ClockWithAmAndPm) {
  struct {
    int hour, minute;
    const char* text;
  } cases[] = {
      {0, 5, "00:05 AM"},  {0, 0, "00:00 AM"},   {9, 7, "09:07 AM"},  {11, 59, "11:59 AM"},
      {12, 0, "12:00 PM"}, {12, 30, "12:30 PM"}, {13, 5, "01:05 PM"}, {23, 59, "11:59 PM"},
  };
  for (auto c : cases) EXPECT_EQ(FormatClock(c.hour, c.minute), c.text) << c.hour << ":" << c.minute;
}

TEST(SlideShowRules, NotesHoldTextOnlyBeyondBlanksAndControlCharacters) {
  struct {
    std::u16string text;
    bool has;
  } cases[] = {
      {u"", false},
      {u"   ", false},
      {u"\t\r\n \x01\x1F", false},
      {std::u16string(3, u'\0'), false},
      {u"  a  ", true},
      {u"\x21", true},
      {u"\x00A0", true},  // a no-break space is not trimmed
      {u"\x00e9t\x00e9", true},
      {u"\xD83D\xDE00", true},  // a character beyond the first plane
  };
  for (const auto& c : cases) EXPECT_EQ(HasNotesText(c.text), c.has) << c.text.size();
}

TEST(SlideShowRules, BuildIndicatorFaces) {
  struct {
    bool prev, next;
    int32_t tag;
    bool visible, replace;
    int32_t newTag;
  } cases[] = {
      {false, false, 0, false, false, 0},                                    // hidden; picture and tag stay
      {false, false, 1, false, false, 1}, {true, false, 0, true, false, 0},  // already that face
      {true, true, 0, true, true, 1},     {true, true, 1, true, false, 1},   // replaced once
      {false, true, 1, true, true, 2},    {true, false, 2, true, true, 0},
  };
  for (auto c : cases) {
    TBuildIndicator b = BuildIndicator(c.prev, c.next, c.tag);
    EXPECT_EQ(b.Visible, c.visible) << c.prev << c.next << c.tag;
    EXPECT_EQ(b.Replace, c.replace) << c.prev << c.next << c.tag;
    EXPECT_EQ(b.Tag, c.newTag) << c.prev << c.next << c.tag;
  }
  struct {
    int32_t current, total;
    bool prev, next, labels;
  } reports[] = {{1, 1, false, false, false},
                 {3, 3, true, false, true},
                 {0, 0, false, false, false},
                 {1, 3, false, true, true},
                 {2, 3, true, true, true}};
  for (auto r : reports) {
    TBuildReport b = BuildReport(r.current, r.total);
    EXPECT_EQ(b.HasPrevious, r.prev) << r.current << "/" << r.total;
    EXPECT_EQ(b.HasNext, r.next) << r.current << "/" << r.total;
    EXPECT_EQ(b.LabelsVisible, r.labels) << r.current << "/" << r.total;
  }
  EXPECT_EQ(PositionText(3, 20), "3 of 20");
  EXPECT_EQ(PositionText(0, 0), "0 of 0");
}

TEST(ModuleFile, AJpegSlideIsReadLikeAPng) {
  std::vector<uint32_t> px(size_t(48) * 32, 0xFF2080C0u);
  TMemoryStream source(EncodeJpeg(48, 32, px));
  TMemoryStream file;
  TDesignerModule m;
  TSlideInfo e{};
  e.SlideIndex = 4;
  WriteSlideBlock(file, source, e.Offset, e.Size, e.CompressedSize);
  m.SlideInfos.push_back(e);
  TPicture p = LoadSlidePictureByKey(m, file, 4);
  ASSERT_TRUE(p);
  EXPECT_EQ(p.Width(), 48);
  EXPECT_EQ(p.Height(), 32);
  EXPECT_EQ(p.Kind(), TPictureKind::Colour);
  uint32_t c = p.Pixels()[size_t(10) * 48 + 10];
  EXPECT_NEAR(int((c >> 16) & 0xFF), 0x20, 3);
  EXPECT_NEAR(int(c & 0xFF), 0xC0, 3);
}

namespace {
// An RGB PNG without alpha, as slides are exported.
std::vector<uint8_t> RgbPng(int w, int h) {
  std::vector<uint32_t> px(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool box = (x / 53 + y / 41) % 4 == 0;
      uint32_t r = box ? 200 : uint32_t(x * 255 / w), g = uint32_t(y * 255 / h), b = uint32_t((x ^ y) & 0xFF);
      px[size_t(y) * size_t(w) + size_t(x)] = 0xFF000000u | r << 16 | g << 8 | b;
    }
  return EncodePng(w, h, px, false);
}
}  // namespace

// A slide read straight to the size it is shown at equals the whole slide shrunk, for odd sizes
// that take one, two or three halvings; a damaged slide still fails with the decoder's text.
TEST(ModuleFile, ASlideReadToFitEqualsTheWholeSlideShrunk) {
  TMemoryStream file;
  TDesignerModule m;
  const int sizes[][2] = {{1001, 563}, {1920, 1080}, {333, 250}};
  for (int i = 0; i < 3; ++i) {
    TMemoryStream source(RgbPng(sizes[i][0], sizes[i][1]));
    TSlideInfo e{};
    e.SlideIndex = i + 1;
    WriteSlideBlock(file, source, e.Offset, e.Size, e.CompressedSize);
    m.SlideInfos.push_back(e);
  }
  for (int n = 1; n <= 3; ++n) {
    TPicture whole = LoadSlidePictureByKey(m, file, n);
    ASSERT_EQ(whole.Kind(), TPictureKind::Colour);
    for (auto box : {std::pair<int, int>{576, 432}, {320, 240}, {121, 90}, {4000, 4000}}) {
      TPicture fitted = LoadSlidePictureToFit(m, file, n, box.first, box.second);
      EXPECT_TRUE(fitted.SameContent(ShrinkToFit(whole, box.first, box.second))) << n << " " << box.first;
    }
  }
  EXPECT_FALSE(LoadSlidePictureToFit(m, file, 9, 576, 432));
  // The second slide's block cut short in the middle of its rows.
  TSlideInfo cut = m.SlideInfos[1];
  std::vector<uint8_t> bytes(file.Bytes().begin(), file.Bytes().begin() + cut.Offset + cut.CompressedSize / 2);
  TMemoryStream shortFile(bytes);
  EXPECT_THROW(LoadSlidePictureToFit(m, shortFile, 2, 576, 432), ERuvoError);
}
