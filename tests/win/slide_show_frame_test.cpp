// The slide-show screen and its presenter view in this process, on a module held in memory: what
// each operation of the add-in's reports leaves on screen, the pressed faces, the timers and the
// layout for other screen sizes.
#include <gtest/gtest.h>

#include "CommandMailbox.h"
#include "Form.h"
#include "MemoryDeck.h"
#include "ModuleFormat.h"
#include "PictureScale.h"
#include "ScreenTools.h"
#include "SlideShowFrameUnit.h"
#include "TestSlide.h"

namespace {

struct TPosted {
  int32_t Id;
  std::string Name;
  bool operator==(const TPosted& o) const { return Id == o.Id && Name == o.Name; }
};

TPosted Posted() {
  char name[256] = "";
  int32_t len = 0, id = 0;
  PollCommand(name, &len, &id);
  return {id, id ? name : ""};
}

class SlideShowFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { deck = new TMemoryDeck(20, 800, 450); }
  static void TearDownTestSuite() { delete deck; }
  static TMemoryDeck* deck;

  TForm form{TBorderStyle::None, false};
  TSlideShowFrame* frame = nullptr;
  TPresenterFrame* view = nullptr;

  void SetUp() override {
    MailboxStart();
    form.SetBounds(0, 0, 1280, 1024);
    auto f = std::make_unique<TSlideShowFrame>();
    f->Bind("Deck", &deck->Module, 0, &deck->Stream);
    frame = &form.Insert(std::move(f));
    view = &frame->PresenterFrame;
    form.Show();
    Settle(3);
  }
  void TearDown() override { MailboxEnd(); }
};

TMemoryDeck* SlideShowFrame::deck = nullptr;

}  // namespace

TEST_F(SlideShowFrame, SlidesArePutInOnceForEachNewCurrentSlide) {
  EXPECT_EQ(frame->FSlideCount, 20);
  frame->SetSlideImages(1, 0, 2);
  EXPECT_FALSE(frame->FStartTime.Started());  // no predecessor yet
  EXPECT_TRUE(view->PrevSlidePanelDisabledImage.Visible());
  EXPECT_FALSE(view->PrevSlideImage.Picture());
  EXPECT_FALSE(view->NextSlidePanelDisabledImage.Visible());

  frame->SetSlideImages(5, 4, 6);
  EXPECT_TRUE(frame->FStartTime.Started());
  EXPECT_EQ(view->SlideCountLabel.Caption(), "5 of 20");
  EXPECT_FALSE(view->PrevSlidePanelDisabledImage.Visible());
  // Each slide shrunk once to its place, keeping its proportions.
  const TPicture cur = view->CurSlideImage.Picture(), prev = view->PrevSlideImage.Picture();
  ASSERT_TRUE(cur && prev && view->NextSlideImage.Picture());
  EXPECT_EQ(cur.Width(), 576);
  EXPECT_EQ(cur.Height(), 324);
  EXPECT_EQ(prev.Width(), 320);
  EXPECT_EQ(prev.Height(), 180);
  // An unchanged current slide changes nothing, whatever the neighbours.
  frame->SetSlideImages(5, 4, 6);
  frame->SetSlideImages(5, 0, 0);
  EXPECT_TRUE(view->CurSlideImage.Picture().SameObject(cur));
  EXPECT_TRUE(view->PrevSlideImage.Picture().SameObject(prev));
  EXPECT_FALSE(view->PrevSlidePanelDisabledImage.Visible());

  frame->SetSlideImages(20, 19, 0);
  EXPECT_FALSE(view->NextSlideImage.Picture());
  EXPECT_TRUE(view->NextSlidePanelDisabledImage.Visible());
  frame->SetSlideImages(3, 2, 4);
  EXPECT_FALSE(view->NextSlidePanelDisabledImage.Visible());
  EXPECT_EQ(view->SlideCountLabel.Caption(), "3 of 20");
  // A number the module lacks, and one above the count: an empty place, no error.
  frame->SetSlideImages(21, 99, -3);
  EXPECT_FALSE(view->CurSlideImage.Picture());
  EXPECT_FALSE(view->PrevSlideImage.Picture());
  EXPECT_EQ(view->SlideCountLabel.Caption(), "21 of 20");
}

// On screen the current slide lies centred in its place, pixel for pixel the shrunk slide.
TEST_F(SlideShowFrame, TheCurrentSlideIsDrawnWholeAndCentredWithoutFurtherScaling) {
  frame->SetAnimationsCount(0, 0);
  frame->ShowVideoButton(false);
  frame->SetSlideImages(7, 6, 8);
  Settle();
  TPicture expected = ShrinkToFit(DecodePng(deck->Pngs[6].data(), deck->Pngs[6].size()), 576, 432);
  ASSERT_EQ(expected.Height(), 324);
  const int left = 352, top = 82 + 448 + (432 - 324) / 2;
  TCapture shot = CaptureScreen(RECT{left, top, left + 576, top + 324});
  EXPECT_EQ(DifferingPixels(shot, expected.Pixels(), 576), 0);
}

TEST_F(SlideShowFrame, NotesAreShownHiddenAndRememberedAcrossEmptyNotes) {
  TControl& label = view->FNotesLabel;
  TControl& panel = view->HideNotesUpImage;
  TControl& bar = view->ShowNotesUpImage;
  auto state = [&] {
    return std::string() + (label.Visible() ? "L" : "-") + (panel.Visible() ? "P" : "-") + (bar.Visible() ? "B" : "-");
  };
  auto tags = [&] { return std::to_string(label.Tag) + std::to_string(panel.Tag) + std::to_string(bar.Tag); };
  EXPECT_EQ(state(), "---");
  EXPECT_EQ(tags(), "112");
  struct {
    const char* step;
    std::function<void()> act;
    const char* state;
    const char* tags;
  } steps[] = {
      {"text arrives", [&] { frame->SetNotesText(L"Welcome & thanks"); }, "LP-", "112"},
      {"blanks only", [&] { frame->SetNotesText(L" \t\r\n "); }, "---", "112"},
      {"text again", [&] { frame->SetNotesText(L"Second point"); }, "LP-", "112"},
      {"other text", [&] { frame->SetNotesText(L"Third point"); }, "LP-", "112"},
      {"hidden by the add-in", [&] { frame->HideNotesPanel(); }, "--B", "221"},
      {"emptied while hidden", [&] { frame->SetNotesText(L""); }, "---", "221"},
      {"text while hidden", [&] { frame->SetNotesText(L"Fourth"); }, "--B", "221"},
      {"shown while empty", [&] { frame->SetNotesText(L"\x01"), frame->ShowNotesPanel(); }, "LP-", "112"},
      {"text while shown", [&] { frame->SetNotesText(L"Fifth"); }, "LP-", "112"},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_EQ(state(), s.state) << s.step;
    EXPECT_EQ(tags(), s.tags) << s.step;
  }
  // The caption is kept untrimmed, ampersand and all.
  frame->SetNotesText(L"  A & B\x2014\x00E9  ");
  EXPECT_EQ(view->FNotesLabel.Caption(), L"  A & B\x2014\x00E9  ");
}

TEST_F(SlideShowFrame, BuildIndicatorAndVideoButtonFaces) {
  TImage& indicator = view->BuildManualImage;
  // At creation: the previous-arrow face, the build labels and the play face shown.
  EXPECT_TRUE(indicator.Visible());
  EXPECT_EQ(indicator.Tag, 0);
  EXPECT_TRUE(view->BuildCountLabel.Visible());
  EXPECT_EQ(view->VideoImage.Tag, 1);
  struct {
    int32_t current, total;
    bool shown;
    int32_t tag;
    bool labels;
    const char* caption;
  } cases[] = {
      {1, 1, false, 0, false, "1 of 1"}, {1, 3, true, 2, true, "1 of 3"},   {2, 3, true, 1, true, "2 of 3"},
      {3, 3, true, 0, true, "3 of 3"},   {0, 0, false, 0, false, "0 of 0"}, {2, 5, true, 1, true, "2 of 5"},
  };
  for (auto c : cases) {
    TPicture before = indicator.Picture();
    int32_t tagBefore = indicator.Tag;
    frame->SetAnimationsCount(c.current, c.total);
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(indicator.Visible(), c.shown);
    EXPECT_EQ(indicator.Tag, c.tag);
    // The picture is replaced only with the face.
    EXPECT_EQ(indicator.Picture().SameObject(before), indicator.Tag == tagBefore);
    EXPECT_EQ(view->BuildCountLabel.Visible(), c.labels);
    EXPECT_EQ(view->PrevBuildLabel.Visible(), c.labels);
    EXPECT_EQ(view->NextBuildLabel.Visible(), c.labels);
    EXPECT_EQ(view->BuildStepLabel.Visible(), c.labels);
    EXPECT_EQ(view->BuildCountLabel.Caption(), c.caption);
  }

  frame->SetVideoPlaying(true);
  EXPECT_EQ(view->VideoImage.Tag, 2);
  frame->ShowVideoButton(false);
  EXPECT_FALSE(view->VideoImage.Visible());
  EXPECT_EQ(view->VideoImage.Tag, 2);
  frame->ShowVideoButton(true);  // back with its play face
  EXPECT_TRUE(view->VideoImage.Visible());
  EXPECT_EQ(view->VideoImage.Tag, 1);
  TPicture play = view->VideoImage.Picture();
  frame->SetVideoPlaying(true);
  EXPECT_FALSE(view->VideoImage.Picture().SameContent(play));
  frame->SetVideoPlaying(false);
  EXPECT_TRUE(view->VideoImage.Picture().SameContent(play));
}

TEST_F(SlideShowFrame, PressedFacesForAnyButtonAndCommandsOnlyFromLeftClicks) {
  // The next panel's bar, below its slide picture: the panel itself swaps for its pressed twin.
  const POINT bar{1100, 82 + 850};
  PressAt(bar.x, bar.y, TButtonKind::Right);
  EXPECT_TRUE(view->NextSlidePanelDownImage.Visible());
  EXPECT_FALSE(view->NextSlidePanelUpImage.Visible());
  ReleaseAt(bar.x, bar.y, TButtonKind::Right);
  EXPECT_TRUE(view->NextSlidePanelUpImage.Visible());
  EXPECT_FALSE(view->NextSlidePanelDownImage.Visible());
  EXPECT_EQ(Posted(), (TPosted{0, ""}));
  PressAt(bar.x, bar.y);
  EXPECT_TRUE(view->NextSlidePanelDownImage.Visible());
  ReleaseAt(bar.x, bar.y);
  EXPECT_TRUE(view->NextSlidePanelUpImage.Visible());
  EXPECT_EQ(Posted(), (TPosted{cmdNextSlide, "Deck"}));
  // Released away from it: the face comes back, nothing is posted.
  PressAt(bar.x, bar.y);
  ReleaseAt(600, 600);
  EXPECT_TRUE(view->NextSlidePanelUpImage.Visible());
  EXPECT_FALSE(view->NextSlidePanelDownImage.Visible());
  EXPECT_EQ(Posted(), (TPosted{0, ""}));

  // The top bar's buttons copy their pressed face in and the released one back.
  struct {
    TImage* button;
    POINT at;
    TImage* down;
    TImage* up;
  } buttons[] = {
      {&frame->BlankShowImage, {380, 42}, &frame->BlankDownImage, &frame->BlankUpImage},
      {&frame->ExitImage, {1207, 41}, &frame->ExitDownImage, &frame->ExitUpImage},
      {&frame->ShowHideAllSlidesImage, {135, 42}, &frame->ShowAllSlidesDownImage, &frame->ShowAllSlidesUpImage},
  };
  for (auto& b : buttons) {
    PressAt(b.at.x, b.at.y, TButtonKind::Right);
    EXPECT_TRUE(b.button->Picture().SameObject(b.down->Picture())) << b.at.x;
    ReleaseAt(b.at.x, b.at.y, TButtonKind::Right);
    EXPECT_TRUE(b.button->Picture().SameObject(b.up->Picture())) << b.at.x;
  }
  EXPECT_EQ(Posted(), (TPosted{0, ""}));

  // Blank twice before the add-in answers: two posts, the Blank face stays.
  ClickAt(380, 42);
  EXPECT_EQ(Posted(), (TPosted{cmdBlank, "Deck"}));
  ClickAt(380, 42);
  EXPECT_EQ(Posted(), (TPosted{cmdBlank, "Deck"}));
  EXPECT_EQ(frame->BlankShowImage.Tag, 0);
  frame->SetShowButton();
  EXPECT_TRUE(frame->BlankShowImage.Picture().SameObject(frame->ShowUpImage.Picture()));
  PressAt(380, 42);
  EXPECT_TRUE(frame->BlankShowImage.Picture().SameObject(frame->ShowDownImage.Picture()));
  ReleaseAt(380, 42);
  EXPECT_EQ(Posted(), (TPosted{cmdUnblank, "Deck"}));
  frame->SetBlankButton();
  EXPECT_TRUE(frame->BlankShowImage.Picture().SameObject(frame->BlankUpImage.Picture()));
}

TEST_F(SlideShowFrame, AllSlidesToggleSwapsTheViewsLocally) {
  ClickAt(135, 42);
  EXPECT_EQ(frame->ShowHideAllSlidesImage.Tag, 1);
  EXPECT_TRUE(frame->ShowHideAllSlidesImage.Picture().SameObject(frame->HideAllSlidesUpImage.Picture()));
  EXPECT_FALSE(view->Visible());
  EXPECT_EQ(Posted(), (TPosted{0, ""}));
  frame->ShowPresenterView();
  EXPECT_EQ(frame->ShowHideAllSlidesImage.Tag, 0);
  EXPECT_TRUE(view->Visible());
  frame->ShowPresenterView();  // already on: nothing changes
  EXPECT_TRUE(frame->ShowHideAllSlidesImage.Picture().SameObject(frame->ShowAllSlidesUpImage.Picture()));
  ClickAt(135, 42);
  ClickAt(135, 42);
  EXPECT_EQ(frame->ShowHideAllSlidesImage.Tag, 0);
  EXPECT_TRUE(view->Visible());
}

TEST_F(SlideShowFrame, TheClocksTickFromCreationAlsoWhileHidden) {
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  frame->Hide();
  frame->SetSlideImages(2, 1, 3);
  EXPECT_EQ(frame->DiffTimerLabel.Caption(), "00:00");
  Settle(150);
  GetLocalTime(&after);
  EXPECT_NE(frame->DiffTimerLabel.Caption(), "00:00");
  std::string clock = frame->CurTimeLabel.Caption();
  EXPECT_TRUE(clock == FormatClock(before.wHour, before.wMinute) || clock == FormatClock(after.wHour, after.wMinute))
      << clock;
  // Released: the timers stop and the module is forgotten.
  frame->Release();
  std::string stopped = frame->DiffTimerLabel.Caption();
  Settle(120);
  EXPECT_EQ(frame->DiffTimerLabel.Caption(), stopped);
  frame->SetSlideImages(4, 3, 5);
  EXPECT_FALSE(view->CurSlideImage.Picture());
}

// Other screen sizes, and a resize to the same size again: one layout, however often it runs.
TEST_F(SlideShowFrame, ResizesLayOutFromTheDesign) {
  struct {
    int w, h;
    int timerLeft, viewLeft, viewTop, viewHeight, curSlideTop, notesHeight;
  } cases[] = {
      {1366, 768, 555, 43, 82, 668, 192, 73},     {1366, 768, 555, 43, 82, 668, 192, 73},
      {1920, 1200, 832, 320, 258, 924, 448, 329}, {1440, 900, 592, 80, 82, 800, 324, 205},
      {1440, 900, 592, 80, 82, 800, 324, 205},    {1280, 1024, 512, 0, 82, 924, 448, 329},
  };
  for (auto c : cases) {
    frame->SetBounds(0, 0, c.w, c.h);
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    EXPECT_EQ(frame->StartTimerImage.Left(), c.timerLeft);
    EXPECT_EQ(frame->DiffTimerLabel.Left(), c.timerLeft + 16);
    EXPECT_EQ(frame->CurTimeLabel.Left(), c.timerLeft + 128);
    EXPECT_EQ(frame->ExitImage.Left() + frame->ExitImage.Width(), c.w - 18);
    EXPECT_EQ(view->Left(), c.viewLeft);
    EXPECT_EQ(view->Top(), c.viewTop);
    EXPECT_EQ(view->Height(), c.viewHeight);
    EXPECT_EQ(view->CurSlideImage.Top(), c.curSlideTop);
    EXPECT_EQ(view->FNotesLabel.Height(), c.notesHeight);
    EXPECT_EQ(view->HideNotesUpImage.Top(), 19);
    EXPECT_EQ(view->BuildManualImage.Top() - view->CurSlideImage.Top(), c.viewHeight >= 924 ? 116 : 12);
  }
  view->AdjustToHeight(923);
  view->AdjustToHeight(923);
  EXPECT_EQ(view->FNotesLabel.Height(), 328);
  EXPECT_EQ(view->CurSlideImage.Top(), 447);
  EXPECT_EQ(view->VideoImage.Top(), 665);
  view->AdjustToHeight(2000);
  EXPECT_EQ(view->VideoImage.Top(), 666);
  EXPECT_EQ(view->BuildManualImage.Top(), 564);
}
