// The all-slides pages of a slide-show screen in this process, on decks held in memory: the pages
// and their cells for every screen size, the fill of one thumbnail per tick, the highlight, and a
// deck without slides or with slides that cannot be read. The clicks through the exports are in
// slide_show_screen_test.cpp.
#include <gtest/gtest.h>

#include "AllSlidesLayout.h"
#include "CommandMailbox.h"
#include "Form.h"
#include "MemoryDeck.h"
#include "PictureScale.h"
#include "PngResource.h"
#include "ScreenTools.h"
#include "SlideShowFrameUnit.h"

namespace {

class AllSlidesPages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    LoadAllSlidesImages(OwnArtwork());
    deck55 = new TMemoryDeck(55, 640, 360);
  }
  static void TearDownTestSuite() {
    delete deck55;
    FreeAllSlidesImages();
  }
  static TMemoryDeck* deck55;

  TForm form{TBorderStyle::None, false};
  TSlideShowFrame* frame = nullptr;

  void SetUp() override { MailboxStart(); }
  void TearDown() override { MailboxEnd(); }

  // A screen bound to the deck, shown at 1280x1024 (screen-size index 0).
  TSlideShowFrame& Bind(TMemoryDeck& deck) {
    form.SetBounds(0, 0, 1280, 1024);
    auto f = std::make_unique<TSlideShowFrame>();
    f->Bind("Deck", &deck.Module, 0, &deck.Stream);
    f->SetBounds(0, 0, 1280, 1024);
    frame = &form.Insert(std::move(f));
    form.Show();
    return *frame;
  }
  TAllSlidesFrame& Page(int i) { return *frame->FPages[size_t(i)]; }
  TImage& Cell(int page, int k) { return Page(page).GetTile(k - 1); }
  bool Filled() const { return !frame->PopulateAllSlidesTimer.Enabled(); }
};

TMemoryDeck* AllSlidesPages::deck55 = nullptr;

struct TPosted {
  int32_t Id;
  std::string Name;
  int32_t Param1;
  bool operator==(const TPosted& o) const { return Id == o.Id && Name == o.Name && Param1 == o.Param1; }
};

TPosted Posted() {
  char name[256] = "";
  int32_t len = 0, id = 0;
  PollCommand(name, &len, &id);
  return {id, id ? name : "", id ? CommandParam1() : 0};
}

}  // namespace

TEST_F(AllSlidesPages, PagesAndCellsForEveryScreenSize) {
  struct {
    int32_t cells, pages, nextArrowCell, secondPageSlides;
  } cases[] = {{54, 2, 54, 2}, {36, 2, 36, 20}, {45, 2, 45, 11}, {54, 2, 54, 2},
               {54, 2, 54, 2}, {54, 2, 54, 2},  {54, 2, 54, 2}};
  for (uint8_t size = 0; size < kScreenSizeCount; ++size) {
    const auto& c = cases[size];
    const TSelectorResolution& screen = SelectorResolutions[size];
    SCOPED_TRACE(std::to_string(screen.Width) + "x" + std::to_string(screen.Height));
    TSlideShowFrame made;
    made.Bind("Deck", &deck55->Module, size, &deck55->Stream);
    frame = &made;
    ASSERT_EQ(made.FPages.size(), size_t(c.pages));
    for (int p = 0; p < c.pages; ++p) {
      TAllSlidesFrame& page = Page(p);
      EXPECT_FALSE(page.Visible());
      EXPECT_EQ(page.Bounds(), (TBounds{0, 80, screen.Width, screen.Height - 80}));
      EXPECT_EQ(page.TileCount(), c.cells);
      EXPECT_EQ(page.FPresentationName, "Deck");
      EXPECT_EQ(Cell(p, 1).Bounds(), (TBounds{AllSlidesLayout[size].Left0, 9, 120, 90}));
      // The background as it is, unscaled.
      EXPECT_TRUE(page.BackgroundImage.Picture().SameObject(AllSlidesLayout[size].Image));
      EXPECT_EQ(page.BackgroundImage.Picture().Width(), screen.Width);
    }
    // Page 1: slides up to the arrow; page 2: the arrow back, then the rest.
    EXPECT_EQ(Cell(0, 1).Tag, 1);
    EXPECT_EQ(Cell(0, c.nextArrowCell).Tag, -2);
    EXPECT_TRUE(Cell(0, c.nextArrowCell).Picture().SameObject(made.FNextPagePicture));
    EXPECT_EQ(Cell(1, 1).Tag, -1);
    EXPECT_TRUE(Cell(1, 1).Picture().SameObject(made.FPrevPagePicture));
    EXPECT_EQ(Cell(1, 2).Tag, c.cells);
    EXPECT_EQ(Cell(1, c.secondPageSlides + 1).Tag, 55);
    EXPECT_EQ(Cell(1, c.secondPageSlides + 2).Tag, 0);
    EXPECT_EQ(Page(1).FFirstSlide, c.cells);
    EXPECT_EQ(Page(1).FLastCell, c.secondPageSlides + 1);
    // Nothing decoded at binding.
    EXPECT_FALSE(Cell(0, 1).Picture());
    EXPECT_EQ(made.FLoadedCount, 0);
    frame = nullptr;
  }
}

// Page 1 of a 55-slide deck, as the thumbnails tick in: one slide a tick, in order, each decoded
// to the cell's size and drawn there without further scaling.
TEST_F(AllSlidesPages, TheFillPutsOneThumbnailPerTickAtCellSize) {
  Bind(*deck55);
  // Held while the toggle's click settles: a tick that outlasts the interval (as it does in the
  // emulated test machine) is followed at once by the next, and the settling would see them all.
  frame->PopulateAllSlidesTimer.SetEnabled(false);
  ClickAt(135, 42);
  EXPECT_EQ(Posted(), (TPosted{0, "", 0}));
  ASSERT_TRUE(Page(0).Visible());
  EXPECT_FALSE(frame->PresenterFrame.Visible());
  int32_t last = frame->FLoadedCount;
  EXPECT_EQ(last, 0);
  frame->PopulateAllSlidesTimer.SetEnabled(true);
  bool oneAtATime = true;
  ASSERT_TRUE(PumpUntil([&] {
    oneAtATime &= frame->FLoadedCount - last <= 1;
    last = frame->FLoadedCount;
    return last >= 27;
  }));
  EXPECT_TRUE(oneAtATime);
  frame->PopulateAllSlidesTimer.SetEnabled(false);
  Settle();
  SaveScreenshot("all-slides-55-half-filled.png", RECT{0, 0, 1280, 1024});
  for (int k = 1; k <= 53; ++k) EXPECT_EQ(bool(Cell(0, k).Picture()), k <= 27) << k;

  frame->PopulateAllSlidesTimer.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] {
    oneAtATime &= frame->FLoadedCount - last <= 1;
    last = frame->FLoadedCount;
    return Filled();
  }));
  EXPECT_TRUE(oneAtATime);
  EXPECT_EQ(frame->FLoadedCount, 55);
  Settle();
  SaveScreenshot("all-slides-55-filled.png", RECT{0, 0, 1280, 1024});
  for (int p = 0; p < 2; ++p)
    for (int k = 1; k <= 54; ++k) {
      const TPicture& thumb = Cell(p, k).Picture();
      if (Cell(p, k).Tag <= 0) continue;
      ASSERT_TRUE(thumb) << p << " " << k;
      EXPECT_EQ(thumb.Width(), 120);
      EXPECT_EQ(thumb.Height(), 68);
    }
  // Slide 12 in its cell, pixel for pixel the slide shrunk once.
  TPicture expected = ShrinkToFit(DecodePng(deck55->Pngs[11].data(), deck55->Pngs[11].size()), 120, 90);
  POINT c = AllSlidesCell(12);
  TCapture shot = CaptureScreen(RECT{c.x - 60, c.y - 34, c.x + 60, c.y + 34});
  EXPECT_EQ(DifferingPixels(shot, expected.Pixels(), 120), 0);
}

TEST_F(AllSlidesPages, ArrowsTurnThePagesWithinBoundsAndTheToggleKeepsThePage) {
  Bind(*deck55);
  ClickAt(135, 42);
  auto shown = [&] { return std::string(Page(0).Visible() ? "1" : "-") + (Page(1).Visible() ? "2" : "-"); };
  POINT next = AllSlidesCell(54), prev = AllSlidesCell(1), empty = AllSlidesCell(20);
  struct {
    const char* what;
    std::function<void()> act;
    const char* pages;
    int32_t index;
  } steps[] = {
      {"next arrow", [&] { ClickAt(next.x, next.y); }, "-2", 1},
      {"an empty cell, where page 1's arrow was", [&] { ClickAt(next.x, next.y); }, "-2", 1},
      {"another empty cell", [&] { ClickAt(empty.x, empty.y); }, "-2", 1},
      {"toggle off", [&] { ClickAt(135, 42); }, "--", 1},
      {"toggle on", [&] { ClickAt(135, 42); }, "-2", 1},
      {"back to the presenter view", [&] { frame->ShowPresenterView(); }, "--", 1},
      {"toggle on again", [&] { ClickAt(135, 42); }, "-2", 1},
      {"previous arrow", [&] { ClickAt(prev.x, prev.y); }, "1-", 0},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_EQ(shown(), s.pages) << s.what;
    EXPECT_EQ(frame->FPageIndex, s.index) << s.what;
    EXPECT_EQ(frame->PresenterFrame.Visible(), std::string(s.pages) == "--") << s.what;
    EXPECT_EQ(Posted(), (TPosted{0, "", 0})) << s.what;
  }
  POINT twelve = AllSlidesCell(12);
  ClickAt(twelve.x, twelve.y);
  EXPECT_EQ(Posted(), (TPosted{cmdGoToSlide, "Deck", 12}));
}

// A 107-slide deck: the highlight lies on the page that holds the current slide, above its cell,
// whichever page is on view.
TEST_F(AllSlidesPages, TheHighlightFollowsTheCurrentSlide) {
  TMemoryDeck deck(107, 160, 90);
  Bind(deck);
  ClickAt(135, 42);
  auto highlights = [&] {
    std::string s;
    for (TAllSlidesFrame* page : frame->FPages) s += page->HighlightImage()->Visible() ? "H" : "-";
    return s;
  };
  struct {
    int32_t current;
    const char* pages;
    int page, cell;
  } cases[] = {{60, "-H-", 1, 8}, {1, "H--", 0, 1},   {53, "H--", 0, 53}, {106, "--H", 2, 2},
               {0, "---", 0, 0},  {107, "--H", 2, 3}, {108, "---", 0, 0}};
  for (auto c : cases) {
    frame->SetSlideImages(c.current, 0, 0);
    SCOPED_TRACE(c.current);
    EXPECT_EQ(highlights(), c.pages);
    EXPECT_EQ(frame->FPageIndex, 0);
    if (!c.cell) continue;
    const TImage& h = *Page(c.page).HighlightImage();
    EXPECT_EQ(h.Bounds(), (TBounds{Cell(c.page, c.cell).Left(), Cell(c.page, c.cell).Top(), 120, 99}));
  }
  // Above the cells: a click on the current slide's cell lands on the highlight and posts nothing.
  frame->SetSlideImages(12, 11, 13);
  POINT twelve = AllSlidesCell(12), thirteen = AllSlidesCell(13);
  ClickAt(twelve.x, twelve.y);
  EXPECT_EQ(Posted(), (TPosted{0, "", 0}));
  ClickAt(thirteen.x, thirteen.y);
  EXPECT_EQ(Posted(), (TPosted{cmdGoToSlide, "Deck", 13}));
}

TEST_F(AllSlidesPages, ADeckWithoutSlidesHasNoPageAndNoTimer) {
  TMemoryDeck deck(0, 0, 0);
  Bind(deck);
  EXPECT_TRUE(frame->FPages.empty());
  EXPECT_FALSE(frame->PopulateAllSlidesTimer.Enabled());
  ClickAt(135, 42);
  EXPECT_EQ(frame->ShowHideAllSlidesImage.Tag, 1);
  EXPECT_FALSE(frame->PresenterFrame.Visible());
  ClickAt(135, 42);
  EXPECT_TRUE(frame->PresenterFrame.Visible());
  ClickAt(135, 42);
  frame->ShowPresenterView();
  EXPECT_TRUE(frame->PresenterFrame.Visible());
  EXPECT_EQ(frame->ShowHideAllSlidesImage.Tag, 0);
  frame->SetSlideImages(1, 0, 2);
  Settle(10);
  EXPECT_EQ(frame->FLoadedCount, 0);
}

// Slides that cannot be read leave their cells empty, without a message; the fill goes on and the
// cells still ask for their slides.
TEST_F(AllSlidesPages, UnreadableThumbnailsLeaveTheirCellsEmpty) {
  TMemoryDeck deck(12, 320, 180);
  deck.Damage(3);
  deck.Damage(7);
  deck.Module.SlideInfos[9].SlideIndex = 99;    // slide 10 missing
  deck.Module.SlideInfos[11].Offset = 1 << 30;  // slide 12 beyond the file
  TMessageBoxWatcher boxes;
  Bind(deck);
  ClickAt(135, 42);
  ASSERT_TRUE(PumpUntil([&] { return Filled(); }));
  EXPECT_EQ(frame->FLoadedCount, 12);
  std::string filled;
  for (int k = 1; k <= 12; ++k) filled += Cell(0, k).Picture() ? "#" : ".";
  EXPECT_EQ(filled, "##.###.##.#.");
  POINT seven = AllSlidesCell(7);
  ClickAt(seven.x, seven.y);
  EXPECT_EQ(Posted(), (TPosted{cmdGoToSlide, "Deck", 7}));
  Settle();
  EXPECT_TRUE(boxes.Texts().empty());
}

// Released, the screen stops filling at once and reads no more from the module.
TEST_F(AllSlidesPages, ReleaseStopsTheFill) {
  Bind(*deck55);
  ASSERT_TRUE(PumpUntil([&] { return frame->FLoadedCount >= 3; }));
  frame->Release();
  int32_t loaded = frame->FLoadedCount;
  EXPECT_FALSE(frame->PopulateAllSlidesTimer.Enabled());
  Settle(30);
  EXPECT_EQ(frame->FLoadedCount, loaded);
}
