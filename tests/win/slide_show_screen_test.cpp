// The slide-show screen driven through Ruvo_Server.dll as the add-in drives it: a screen created
// and shown through the exports, every click of the speaker with real mouse messages at screen
// points, the slide keys, and the commands read back through the mailbox. The screen's own state
// is checked in this process by slide_show_frame_test.cpp.
#include <gtest/gtest.h>
#include <windows.h>

#include "Image.h"
#include "ModuleWriter.h"
#include "PngResource.h"
#include "PresenterApi.h"
#include "ScreenTools.h"
#include "TestScreen.h"
#include "TestSlide.h"

namespace {

TCommandRead Cmd(int32_t id, std::string name = "") { return TCommandRead{id, std::move(name), 0, ""}; }

// The screen as created: the work area's size.
const TSlideShowPoints& kAt() {
  static const TSlideShowPoints points = SlideShowPoints(TestScreen().WorkHeight);
  return points;
}

RECT OnScreen(RECT r) {
  OffsetRect(&r, TestScreen().WorkLeft, TestScreen().WorkTop);
  return r;
}

struct TChildWindow {
  HWND window;
  RECT bounds;
};

BOOL CALLBACK Collect(HWND w, LPARAM p) {
  TChildWindow c{w, {}};
  GetWindowRect(w, &c.bounds);
  if (IsWindowVisible(w)) reinterpret_cast<std::vector<TChildWindow>*>(p)->push_back(c);
  return TRUE;
}

// The view's copy of the background continues the screen's own: along the view's top, above the
// notes panel's place and a little beyond the view's sides, the screen shows its background alone.
void ExpectTheViewContinuesTheBackground(int height) {
  const TSlideShowPoints at = SlideShowPoints(height);
  RECT strip{std::max(0L, at.View.left - 8), at.View.top + 2, std::min(LONG(TestScreen().WorkWidth), at.View.right + 8),
             at.View.top + 12};
  // The screen's own: the picture for the work area's size, stretched over it.
  TGdiObject<HBITMAP> back = MakeStretchedBitmap(ArtworkOrNone(SelectorLayouts[0][TestScreenSizeIndex()].ImageResId),
                                                 TestScreen().WorkWidth, height);
  DIBSECTION dib{};
  ASSERT_NE(GetObjectA(back.Get(), sizeof dib, &dib), 0);
  EXPECT_EQ(DifferingPixels(CaptureScreen(OnScreen(strip)), static_cast<const uint32_t*>(dib.dsBm.bmBits),
                            TestScreen().WorkWidth, strip.left, strip.top),
            0)
      << "screen " << height << " high";
}

HWND VisibleChild(HWND main, RECT r) {
  std::vector<TChildWindow> all;
  EnumChildWindows(main, Collect, reinterpret_cast<LPARAM>(&all));
  for (const TChildWindow& c : all)
    if (EqualRect(&c.bounds, &r)) return c.window;
  return nullptr;
}
bool HasVisibleChild(HWND main, RECT r) { return VisibleChild(main, r) != nullptr; }

// One load of the library for the suite, as in presenter_window_test.cpp.
class SlideShowScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library = new TAddIn();
    dir = new TTempDir();
    TModuleApi modules(*library);
    std::vector<std::string> slides;
    for (int i = 1; i <= 20; ++i) {
      slides.push_back(dir->Path("talk" + std::to_string(i) + ".png"));
      WriteFileBytes(slides.back(), MakeSlidePng(960, 540, i, "Quarterly review"));
    }
    deckPath = new std::string(WriteTestModule(modules, *dir, "Talk", 20, 0, 0, slides));
  }
  static void TearDownTestSuite() {
    delete deckPath;
    delete dir;
    delete library;
  }
  static TAddIn* library;
  static TTempDir* dir;
  static std::string* deckPath;
  TPresenterApi api{*library};
  TModuleApi modules{*library};
  HWND main = nullptr;

  void SetUp() override {
    ASSERT_NE(api.CreatePresenter(), nullptr);
    api.ShowPresenter();
    Settle();
    main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
    ASSERT_NE(main, nullptr);
    ReadCommand(api);
  }
  void TearDown() override {
    api.ClosePresenter();
    Settle(5);
  }
  // A click at a point of the work area.
  TCommandRead Click(POINT p, TButtonKind button = TButtonKind::Left) {
    p = TestScreen().At(p.x, p.y);
    ClickAt(p.x, p.y, button);
    return ReadCommand(api);
  }
  TCommandRead Key(int vk) {
    TypeKey(main, vk);
    return ReadCommand(api);
  }
};

TAddIn* SlideShowScreen::library = nullptr;
TTempDir* SlideShowScreen::dir = nullptr;
std::string* SlideShowScreen::deckPath = nullptr;

// The cases that the suite runs again on every size of the first monitor.
class SlideShowAtEverySize : public SlideShowScreen {};

}  // namespace

TEST_F(SlideShowAtEverySize, EveryClickOfTheViewAndTheTopBarPostsItsCommand) {
  TOpenModule deck(modules, *deckPath);
  api.CreateSSWForm("Talk", deck.Module, deck.File);
  Settle();
  // Created hidden and not current.
  EXPECT_FALSE(HasVisibleChild(main, OnScreen(kAt().View)));
  EXPECT_EQ(Key(VK_RIGHT), Cmd(0));
  api.ShowPresenterFrame("Talk");
  api.UpdateSlideImagesIndex("Talk", 10, 9, 11);
  api.UpdateNotesText("Talk", L"Thank the team & the partners \x2014 then the numbers: revenue up 12\x00A0%.");
  api.UpdateCurrentAnimationsCount("Talk", 2, 3);
  api.ShowMediaControls("Talk", 1);
  Settle();
  EXPECT_TRUE(HasVisibleChild(main, TestScreen().Work()));
  EXPECT_TRUE(HasVisibleChild(main, OnScreen(kAt().View)));
  SaveScreenshot(TestScreen().ShotName("slide-show-notes-builds-video"), TestScreen().Monitor());

  struct {
    const char* what;
    POINT at;
    int32_t command;
  } clicks[] = {
      {"next slide", kAt().NextSlide, 4},
      {"next panel", kAt().NextPanelBar, 4},
      {"previous slide", kAt().PrevSlide, 3},
      {"previous panel", kAt().PrevPanelBar, 3},
      {"next build", kAt().NextBuild, 1},
      {"previous build", kAt().PrevBuild, 2},
      {"notes header", kAt().NotesHeader, 11},
      {"notes text", kAt().NotesText, 0},
      {"video", kAt().Video, 21},
      {"blank", kAt().BlankShow, 7},
      {"exit", kAt().Exit, 5},
      {"all slides", kAt().AllSlides, 0},
  };
  for (const auto& c : clicks) EXPECT_EQ(Click(c.at), c.command ? Cmd(c.command, "Talk") : Cmd(0)) << c.what;
  // The toggle acts here alone: back to the presenter view with a second click.
  EXPECT_EQ(Click(kAt().AllSlides), Cmd(0));
  // Only the left button clicks.
  for (POINT p : {kAt().NextSlide, kAt().PrevPanelBar, kAt().NextBuild, kAt().Video, kAt().BlankShow, kAt().Exit,
                  kAt().NotesHeader})
    EXPECT_EQ(Click(p, TButtonKind::Right), Cmd(0)) << p.x << "," << p.y;

  // The add-in's answers change the faces, and with them the commands.
  api.ShowShowButton("Talk");
  api.SetMediaState("Talk", 0x10001);  // the low half counts
  EXPECT_EQ(Click(kAt().BlankShow), Cmd(8, "Talk"));
  EXPECT_EQ(Click(kAt().Video), Cmd(23, "Talk"));
  api.ShowBlankButton("Talk");
  api.SetMediaState("Talk", 0x10000);
  EXPECT_EQ(Click(kAt().BlankShow), Cmd(7, "Talk"));
  EXPECT_EQ(Click(kAt().Video), Cmd(21, "Talk"));
  api.HideNotes("Talk");
  EXPECT_EQ(Click(kAt().NotesBar), Cmd(10, "Talk"));
  api.ShowNotes("Talk");
  EXPECT_EQ(Click(kAt().NotesHeader), Cmd(11, "Talk"));
  // One build and no video: the zones go with the labels, and the button goes.
  api.UpdateCurrentAnimationsCount("Talk", 1, 1);
  api.ShowMediaControls("Talk", 0);
  EXPECT_EQ(Click(kAt().NextBuild), Cmd(0));
  EXPECT_EQ(Click(kAt().Video), Cmd(0));

  // No notes: the panel and both notes buttons go.
  api.UpdateNotesText("Talk", nullptr);
  Settle();
  SaveScreenshot(TestScreen().ShotName("slide-show-without-notes"), TestScreen().Monitor());
  ExpectTheViewContinuesTheBackground(TestScreen().WorkHeight);
  EXPECT_EQ(Click(kAt().NotesHeader), Cmd(0));
  EXPECT_EQ(Click(kAt().NotesBar), Cmd(0));
}

// Resized from outside the toolkit, as a display change does: the screen lays itself out for
// the height its window has, and the top bar's and the presenter view's clicks land there.
TEST_F(SlideShowAtEverySize, ClicksLandWhereTheScreenIsAfterItsWindowIsResizedFromOutside) {
  TOpenModule deck(modules, *deckPath);
  api.CreateSSWForm("Talk", deck.Module, deck.File);
  api.ShowPresenterFrame("Talk");
  api.UpdateSlideImagesIndex("Talk", 10, 9, 11);
  Settle();
  const TTestScreen& screen = TestScreen();
  HWND window = VisibleChild(main, screen.Work());
  ASSERT_NE(window, nullptr);
  for (int height : {768, 900, 1024}) {
    SetWindowPos(window, nullptr, 0, 0, screen.WorkWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    SaveScreenshot(screen.ShotName("slide-show-resized-to-" + std::to_string(height)), screen.Monitor());
    ExpectTheViewContinuesTheBackground(height);
    const TSlideShowPoints at = SlideShowPoints(height);
    const struct {
      POINT p;
      int32_t command;
    } clicks[] = {{at.Exit, 5}, {at.BlankShow, 7}, {at.NextSlide, 4}, {at.PrevSlide, 3}};
    for (const auto& c : clicks) {
      ClickInWindow(window, c.p);
      EXPECT_EQ(ReadCommand(api), Cmd(c.command, "Talk")) << height << ": " << c.p.x << "," << c.p.y;
    }
  }
}

// Two presentations running at once: each screen keeps its own slides and posts its own name.
TEST_F(SlideShowScreen, TwoScreensSideBySide) {
  // Module files are opened without sharing: the second presentation has a file of its own.
  std::string copy = dir->Path("Talk 2.ruvo");
  ASSERT_TRUE(CopyFileA(deckPath->c_str(), copy.c_str(), FALSE));
  TOpenModule talk(modules, *deckPath), other(modules, copy);
  ASSERT_NE(other.File, nullptr);
  api.CreateSSWForm("Talk", talk.Module, talk.File);
  api.CreateSSWForm("Talk 2", other.Module, other.File);
  api.UpdateSlideImagesIndex("Talk", 7, 6, 8);
  api.UpdateSlideImagesIndex("Talk 2", 1, 0, 2);
  api.UpdateNotesText("Talk 2", L"Open with the story of the first customer.");
  api.UpdateCurrentAnimationsCount("Talk 2", 1, 1);
  api.ShowMediaControls("Talk 2", 0);
  api.ShowPresenterFrame("Talk 2");
  Settle();
  SaveScreenshot("slide-show-first-slide.png", TestScreen().Monitor());
  EXPECT_EQ(Click(kAt().NextSlide), Cmd(4, "Talk 2"));
  // The previous panel is disabled: its border takes no click, its empty slide still does.
  EXPECT_EQ(Click(kAt().PrevPanelBar), Cmd(0));
  EXPECT_EQ(Click(kAt().PrevSlide), Cmd(3, "Talk 2"));
  EXPECT_EQ(Key(VK_SPACE), Cmd(20, "Talk 2"));

  api.ShowPresenterFrame("Talk");
  EXPECT_EQ(Click(kAt().PrevPanelBar), Cmd(3, "Talk"));
  EXPECT_EQ(Click(kAt().BlankShow), Cmd(7, "Talk"));
  EXPECT_EQ(Key(VK_SPACE), Cmd(20, "Talk"));
  // A screen shown on top of another: the keys follow the one shown last, the full key sets.
  api.ShowSSWForm("Talk 2");
  for (int vk : {VK_RETURN, VK_SPACE, VK_NEXT, VK_RIGHT, VK_DOWN, int('N'), VK_DECIMAL})
    EXPECT_EQ(Key(vk), Cmd(20, "Talk 2")) << vk;
  for (int vk : {VK_BACK, VK_PRIOR, VK_LEFT, VK_UP, int('P'), VK_F1}) EXPECT_EQ(Key(vk), Cmd(19, "Talk 2")) << vk;
  EXPECT_EQ(Click(kAt().Exit), Cmd(5, "Talk 2"));
  // Hidden or destroyed, the current screen takes the keys with it.
  api.HideSSWForm("Talk 2");
  EXPECT_EQ(Key(VK_RIGHT), Cmd(0));
  api.ShowSSWForm("Talk 2");
  EXPECT_EQ(Key(VK_RIGHT), Cmd(20, "Talk 2"));
  api.DestroySSWForm("Talk 2");
  EXPECT_EQ(Key(VK_RIGHT), Cmd(0));
  EXPECT_EQ(Click(kAt().BlankShow), Cmd(7, "Talk"));  // the other screen, on view again
}

// Bad input at the exports: no crash and no message box, and nothing else is lost.
TEST_F(SlideShowScreen, NullModuleNullStreamMissingSlidesAndCorruptBlocks) {
  std::string broken = dir->Path("Broken.ruvo");
  CopyFileA(deckPath->c_str(), broken.c_str(), FALSE);
  {
    std::vector<uint8_t> bytes = ReadFileBytes(broken);
    for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 400; ++i) bytes[i] ^= 0x5A;  // blocks in the middle
    WriteFileBytes(broken, bytes);
  }
  TOpenModule deck(modules, *deckPath), damaged(modules, broken);
  ASSERT_NE(damaged.File, nullptr);
  TMessageBoxWatcher boxes;
  api.CreateSSWForm("No module", nullptr, deck.File);
  api.ShowPresenterFrame("No module");
  EXPECT_EQ(Key(VK_RIGHT), Cmd(0));  // no screen was made

  api.CreateSSWForm("No stream", deck.Module, nullptr);
  api.ShowPresenterFrame("No stream");
  api.UpdateSlideImagesIndex("No stream", 2, 1, 3);
  EXPECT_EQ(Key(VK_RIGHT), Cmd(20, "No stream"));

  api.CreateSSWForm("Damaged", damaged.Module, damaged.File);
  api.ShowPresenterFrame("Damaged");
  for (int n = 1; n <= 20; ++n) api.UpdateSlideImagesIndex("Damaged", n, n - 1, n + 1);
  api.UpdateSlideImagesIndex("Damaged", 99, 98, 0);  // numbers the module lacks
  Settle();
  EXPECT_EQ(Click(kAt().NextSlide), Cmd(4, "Damaged"));
  api.DestroySSWForm("Damaged");
  api.DestroySSWForm("No stream");
  Settle();
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_TRUE(IsWindowVisible(main));
}

namespace {

// A deck of one slide more than a page holds, written for the tests that need it.
std::string DeckOf(int count, const TModuleApi& modules, const TTempDir& dir) {
  std::vector<std::string> slides;
  for (int i = 1; i <= count; ++i) {
    slides.push_back(dir.Path("deck" + std::to_string(i) + ".png"));
    WriteFileBytes(slides.back(), MakeSlidePng(640, 360, i, "Product tour"));
  }
  return WriteTestModule(modules, dir, "Deck", count, 0, 0, slides);
}

bool SameCapture(const TCapture& a, const TCapture& b) { return a.pixels == b.pixels; }

// True when cell k shows the page background alone: no thumbnail, arrow or highlight.
bool CellShowsBackground(int k) {
  static const TPicture background = ArtworkOrNone(TestAllSlidesLayout().ImageResId);
  RECT r = AllSlidesCellRect(k);
  POINT page = TestScreen().At(0, 80);
  return DifferingPixels(CaptureScreen(r), background.Pixels(), background.Width(), r.left - page.x, r.top - page.y) ==
         0;
}

}  // namespace

// The all-slides pages as the speaker uses them, for a deck of one slide more than the N cells of
// a page: page 1 holds slides 1 to N - 1 and the next-page arrow, page 2 the arrow back and
// slides N and N + 1 (54 cells on a 1280x1024 screen, 36 on 1366x768).
TEST_F(SlideShowAtEverySize, AllSlidesPagesTurnPostGoToSlideAndFollowTheCurrentSlide) {
  const int n = TestAllSlidesLayout().Columns * TestAllSlidesLayout().Rows;
  TOpenModule deck(modules, DeckOf(n + 1, modules, *dir));
  TMessageBoxWatcher boxes;
  api.CreateSSWForm("Deck", deck.Module, deck.File);
  api.ShowPresenterFrame("Deck");
  api.UpdateSlideImagesIndex("Deck", 1, 0, 2);
  Settle();
  auto click = [&](int cell) {
    POINT p = AllSlidesCell(cell);
    ClickAt(p.x, p.y);
    return ReadCommand(api);
  };
  auto go = [](int32_t slide) { return TCommandRead{9, "Deck", slide, ""}; };
  const TTestScreen& screen = TestScreen();
  const RECT page = screen.Area(0, 80, screen.WorkWidth, screen.WorkHeight - 80), view = OnScreen(kAt().View);

  // The toggle acts locally and shows page 1; its cells fill one by one.
  EXPECT_EQ(Click(kAt().AllSlides), Cmd(0));
  EXPECT_TRUE(HasVisibleChild(main, page));
  EXPECT_FALSE(HasVisibleChild(main, view));
  EXPECT_FALSE(CellShowsBackground(n));  // the arrow
  ASSERT_TRUE(PumpUntil([n] { return !CellShowsBackground(n - 1); }));
  SaveScreenshot(screen.ShotName("all-slides-page-1"), screen.Monitor());
  EXPECT_EQ(click(12), go(12));
  EXPECT_EQ(click(n - 1), go(n - 1));

  // The arrows turn the pages and post nothing; empty cells post nothing.
  EXPECT_EQ(click(n), Cmd(0));
  ASSERT_TRUE(PumpUntil([] { return !CellShowsBackground(3); }));
  Settle();
  SaveScreenshot(screen.ShotName("all-slides-page-2"), screen.Monitor());
  EXPECT_EQ(click(2), go(n));
  EXPECT_EQ(click(3), go(n + 1));
  EXPECT_TRUE(CellShowsBackground(4));
  EXPECT_EQ(click(4), Cmd(0));
  EXPECT_EQ(click(n), Cmd(0));
  EXPECT_EQ(click(2), go(n));  // still page 2

  // Page 2 survives the presenter view, by the toggle and by ShowPresenterFrame.
  EXPECT_EQ(Click(kAt().AllSlides), Cmd(0));
  EXPECT_TRUE(HasVisibleChild(main, view));
  EXPECT_FALSE(HasVisibleChild(main, page));
  EXPECT_EQ(Click(kAt().AllSlides), Cmd(0));
  EXPECT_EQ(click(3), go(n + 1));
  api.ShowPresenterFrame("Deck");
  Settle();
  EXPECT_TRUE(HasVisibleChild(main, view));
  EXPECT_FALSE(HasVisibleChild(main, page));
  EXPECT_EQ(Click(kAt().AllSlides), Cmd(0));
  EXPECT_EQ(click(2), go(n));
  EXPECT_EQ(click(1), Cmd(0));  // back to page 1
  EXPECT_EQ(click(2), go(2));

  // The highlight lies over the current slide's cell and takes its clicks.
  TCapture twelve = CaptureScreen(AllSlidesCellRect(12)), thirteen = CaptureScreen(AllSlidesCellRect(13));
  api.UpdateSlideImagesIndex("Deck", 12, 11, 13);
  Settle();
  EXPECT_FALSE(SameCapture(CaptureScreen(AllSlidesCellRect(12)), twelve));
  EXPECT_EQ(click(12), Cmd(0));
  EXPECT_EQ(click(13), go(13));
  api.UpdateSlideImagesIndex("Deck", 13, 12, 14);
  Settle();
  EXPECT_TRUE(SameCapture(CaptureScreen(AllSlidesCellRect(12)), twelve));
  EXPECT_FALSE(SameCapture(CaptureScreen(AllSlidesCellRect(13)), thirteen));
  EXPECT_EQ(click(12), go(12));
  // On page 2 while page 1 is on view: nothing of it shows here.
  api.UpdateSlideImagesIndex("Deck", n + 1, n, 0);
  Settle();
  EXPECT_TRUE(SameCapture(CaptureScreen(AllSlidesCellRect(13)), thirteen));
  EXPECT_EQ(click(n), Cmd(0));
  EXPECT_EQ(click(3), Cmd(0));
  EXPECT_EQ(click(2), go(n));
  api.DestroySSWForm("Deck");
  Settle();
  EXPECT_TRUE(boxes.Texts().empty());
}
