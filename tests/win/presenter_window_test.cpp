// The presenter window driven through Ruvo_Server.dll as the add-in drives it: exports called by
// name, real mouse and key messages at the window, commands read back through the mailbox.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <dbt.h>

#include <algorithm>

#include "FormPictures.h"
#include "ModuleWriter.h"
#include "PresenterApi.h"
#include "ScreenTools.h"
#include "TestScreen.h"

void PrintTo(const TCommandRead& c, std::ostream* os) {
  *os << "{id " << c.Id << ", \"" << c.Name << "\", " << c.Param1 << ", \"" << c.Param2 << "\"}";
}

namespace {

const char kClass[] = "TRuvoWinControl";

TCommandRead Cmd(int32_t id, std::string name = "", int32_t p1 = 0, std::string p2 = "") {
  return TCommandRead{id, std::move(name), p1, std::move(p2)};
}

// The add-in's own timer, calling an export while a dialog of the presenter is open.
TPresenterApi* gTimerApi = nullptr;
void CALLBACK CloseFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gTimerApi->ClosePresenter();
}
void CALLBACK DestroyGoneFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gTimerApi->DestroySSWForm("Gone");
}

// One load of the library for the whole suite: its start steps decode every background picture,
// which takes seconds in the emulated test machine.
class Presenter : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { library = new TAddIn(); }
  static void TearDownTestSuite() {
    delete library;
    library = nullptr;
  }
  static TAddIn* library;
  TPresenterApi api{*library};
  TModuleApi modules{*library};
  TTempDir dir;
  HWND main = nullptr;

  void SetUp() override {
    ASSERT_NE(api.CreatePresenter(), nullptr);
    api.ShowPresenter();
    Settle();
    main = FindWindowA(kClass, "Ruvo Presenter");
    ASSERT_NE(main, nullptr);
    ReadCommand(api);
  }
  void TearDown() override {
    api.ClosePresenter();
    Settle(5);
  }

  // Clicks the middle of slot n and returns what it posted.
  TCommandRead ClickSlot(int n) {
    auto tiles = SelectorTiles(main);
    if (n < 1 || size_t(n) > tiles.size()) return Cmd(-1);
    const RECT& r = tiles[size_t(n - 1)].second;
    ClickAt((r.left + r.right) / 2, r.top + 100);
    return ReadCommand(api);
  }
  void ClickExit() {
    POINT p = Centre(SelectorExitRect());
    ClickAt(p.x, p.y);
  }
};

TAddIn* Presenter::library = nullptr;

// The cases that the suite runs again on every size of the first monitor.
class SelectorAtEverySize : public Presenter {};

// Where a level's tiles lie on the work area: even gaps across, and down between the toggle's
// band at the top and the buttons' band at the bottom (140 pixels in all). Gaps may be negative.
std::vector<POINT> GridPlaces(int columns, int rows, SIZE tile) {
  const TTestScreen& s = TestScreen();
  int gapX = (s.WorkWidth - columns * tile.cx) / (columns + 1);
  int gapY = (s.WorkHeight - 140 - rows * tile.cy) / (rows + 1);
  std::vector<POINT> places;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      places.push_back(s.At(gapX + column * (tile.cx + gapX), 70 + gapY + row * (tile.cy + gapY)));
  return places;
}

}  // namespace

TEST_F(SelectorAtEverySize, CoversTheFirstMonitorWithoutCaptionAndRefusesToClose) {
  RECT r, monitor = TestScreen().Monitor();
  GetWindowRect(main, &r);
  EXPECT_TRUE(EqualRect(&r, &monitor));
  EXPECT_EQ(GetWindowLongA(main, GWL_STYLE) & WS_CAPTION, 0);
  PostMessageA(main, WM_CLOSE, 0, 0);
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  Settle();
  EXPECT_TRUE(IsWindow(main));
  EXPECT_TRUE(IsWindowVisible(main));
  api.HidePresenter();
  EXPECT_FALSE(IsWindowVisible(main));
  api.ShowPresenter();
  EXPECT_TRUE(IsWindowVisible(main));
}

// Both levels' tiles where the grid puts them for the work area, and the Exit and
// ReduceEmptySlots buttons drawn whole, in front of any tile that reaches into their band.
TEST_F(SelectorAtEverySize, TilesOfBothLevelsAndTheButtonsLieWhereTheRulesPutThem) {
  const TTestScreen& s = TestScreen();
  const TPicture exitUp = FormPictureOrNone(fpSelectorExitUp),
                 reduceUp = FormPictureOrNone(fpSelectorReduceEmptySlotsUp);
  const RECT exit = SelectorExitRect(), reduce = SelectorReduceRect();
  for (int32_t level = 1; level <= api.GetMaxSelectorLevel(); ++level) {
    api.SetSelectorLevel(level);
    Settle();
    int32_t columns = 0, rows = 0;
    api.GetSelectorDimensions(level, &columns, &rows);
    auto tiles = SelectorTiles(main);
    ASSERT_EQ(tiles.size(), size_t(columns * rows)) << level;
    SIZE tile{tiles[0].second.right - tiles[0].second.left, tiles[0].second.bottom - tiles[0].second.top};
    std::vector<POINT> places = GridPlaces(columns, rows, tile);
    for (size_t i = 0; i < tiles.size(); ++i) {
      EXPECT_EQ(tiles[i].second.left, places[i].x) << "level " << level << ", slot " << i + 1;
      EXPECT_EQ(tiles[i].second.top, places[i].y) << "level " << level << ", slot " << i + 1;
    }
    SaveScreenshot(s.ShotName("selector-level" + std::to_string(level)), s.Monitor());
    EXPECT_EQ(DifferingPixels(CaptureScreen(exit), exitUp.Pixels(), exitUp.Width()), 0) << level;
    EXPECT_EQ(DifferingPixels(CaptureScreen(reduce), reduceUp.Pixels(), reduceUp.Width()), 0) << level;
  }
}

TEST_F(Presenter, LevelGettersAndDimensions) {
  EXPECT_EQ(api.GetCurrentSelectorLevel(), 1);
  EXPECT_EQ(api.GetMinSelectorLevel(), 1);
  EXPECT_EQ(api.GetMaxSelectorLevel(), 2);
  struct {
    int32_t level, columns, rows;
  } cases[] = {{0, -7, -7}, {1, 3, 2}, {2, 4, 3}, {3, -7, -7}};
  for (auto c : cases) {
    int32_t columns = -7, rows = -7;
    api.GetSelectorDimensions(c.level, &columns, &rows);
    EXPECT_EQ(columns, c.columns) << c.level;
    EXPECT_EQ(rows, c.rows) << c.level;
  }
  int32_t rows = -7;
  api.GetSelectorDimensions(2, nullptr, &rows);
  EXPECT_EQ(rows, 3);
  api.SetSelectorLevel(3);
  EXPECT_EQ(api.GetCurrentSelectorLevel(), 1);
  api.SetSelectorLevel(2);
  EXPECT_EQ(api.GetCurrentSelectorLevel(), 2);
}

// The speaker's path through the selector: empty slots in manage mode, thumbnails loaded by the
// add-in switch to launch mode, the mode exports, a level change that keeps the first slots.
TEST_F(Presenter, EverySlotClickPostsItsCommand) {
  std::string path = WriteTestModule(modules, dir, "Quarterly", 4, 1920, 1080);
  TOpenModule deck(modules, path);

  EXPECT_EQ(ClickSlot(1), Cmd(13, "", 1));
  EXPECT_EQ(ClickSlot(6), Cmd(13, "", 6));

  api.LoadSelectorThumbnail(3, deck.Module, deck.File, 2, "C:\\Talks\\Quarterly.ruvo");
  Settle();
  EXPECT_EQ(ClickSlot(3), Cmd(6, "C:\\Talks\\Quarterly.ruvo"));
  EXPECT_EQ(ClickSlot(1), Cmd(0));  // empty in launch mode

  api.LoadSelectorThumbnail(1, deck.Module, deck.File, 1, "");
  EXPECT_EQ(ClickSlot(1), Cmd(6, ""));  // a picture without a file name
  // A slide the module lacks: the name is kept, the picture is not, and the click posts nothing.
  api.LoadSelectorThumbnail(5, deck.Module, deck.File, 99, "C:\\Talks\\Missing.ruvo");
  EXPECT_EQ(ClickSlot(5), Cmd(0));
  SaveScreenshot("selector-level1-filled.png", TestScreen().Monitor());

  api.ShowPresentationManageSelectorFrame();
  EXPECT_EQ(ClickSlot(3), Cmd(18, "", 3));
  EXPECT_EQ(ClickSlot(2), Cmd(13, "", 2));
  api.ShowPresentationSelectionSelectorFrame();
  EXPECT_EQ(ClickSlot(3), Cmd(6, "C:\\Talks\\Quarterly.ruvo"));

  // Level 2 keeps the first six slots' names and pictures.
  api.SetSelectorLevel(2);
  Settle();
  EXPECT_EQ(ClickSlot(3), Cmd(6, "C:\\Talks\\Quarterly.ruvo"));
  EXPECT_EQ(ClickSlot(10), Cmd(0));
  api.LoadSelectorThumbnail(10, deck.Module, deck.File, 4, "C:\\Talks\\Ten.ruvo");
  EXPECT_EQ(ClickSlot(10), Cmd(6, "C:\\Talks\\Ten.ruvo"));
  api.ShowPresentationManageSelectorFrame();
  EXPECT_EQ(ClickSlot(12), Cmd(13, "", 12));
  EXPECT_EQ(ClickSlot(10), Cmd(18, "", 10));
  // Back to level 1: slot 10 is gone, slot 3 stays.
  api.SetSelectorLevel(1);
  Settle();
  EXPECT_EQ(SelectorTiles(main).size(), 6u);
  EXPECT_EQ(ClickSlot(3), Cmd(18, "", 3));
}

TEST_F(Presenter, ModeFollowsTheSlotsOnlyAfterALoad) {
  std::string path = WriteTestModule(modules, dir, "Deck", 2);
  TOpenModule deck(modules, path);
  api.LoadSelectorThumbnail(2, deck.Module, deck.File, 1, "two.ruvo");
  // Index out of range: nothing changes, not even the mode.
  api.LoadSelectorThumbnail(0, nullptr, nullptr, 0, nullptr);
  api.LoadSelectorThumbnail(7, nullptr, nullptr, 0, nullptr);
  EXPECT_EQ(ClickSlot(2), Cmd(6, "two.ruvo"));

  // A swap moves picture and name and leaves the mode.
  api.SwapSelectorThumbnail(2, 5);
  api.SwapSelectorThumbnail(5, 5);
  api.SwapSelectorThumbnail(5, 9);
  EXPECT_EQ(ClickSlot(2), Cmd(0));
  EXPECT_EQ(ClickSlot(5), Cmd(6, "two.ruvo"));

  // Emptying the last filled slot goes back to manage mode.
  api.LoadSelectorThumbnail(5, nullptr, nullptr, 0, nullptr);
  EXPECT_EQ(ClickSlot(5), Cmd(13, "", 5));
}

TEST_F(Presenter, ADamagedSlideIsReportedAndChangesNothing) {
  std::string path = WriteTestModule(modules, dir, "Broken", 1);
  {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    for (size_t i = bytes.size() - 40; i < bytes.size(); ++i) bytes[i] ^= 0x5A;
    WriteFileBytes(path, bytes);
  }
  TOpenModule deck(modules, path);
  TMessageBoxWatcher boxes;
  api.LoadSelectorThumbnail(1, deck.Module, deck.File, 1, "broken.ruvo");
  Settle();
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(ClickSlot(1), Cmd(13, "", 1));  // still empty, still manage mode
}

TEST_F(Presenter, ATilePressedWithAnyButtonShowsItsPressedFrame) {
  auto tiles = SelectorTiles(main);
  ASSERT_FALSE(tiles.empty());
  RECT r = tiles[0].second;
  int x = (r.left + r.right) / 2, y = r.top + 100;
  TCapture before = CaptureScreen(r);
  PressAt(x, y, TButtonKind::Right);
  TCapture pressed = CaptureScreen(r);
  SaveScreenshot("tile-pressed.png", pressed);
  ReleaseAt(x, y, TButtonKind::Right);
  TCapture after = CaptureScreen(r);
  EXPECT_NE(pressed.pixels, before.pixels);
  EXPECT_EQ(after.pixels, before.pixels);
  EXPECT_EQ(ReadCommand(api), Cmd(0));  // only the left button clicks
}

TEST_F(SelectorAtEverySize, ExitAsksFirstAndPostsOnlyOnYes) {
  {
    TMessageBoxWatcher no(IDNO);
    ClickExit();
    Settle();
    ASSERT_EQ(no.Texts().size(), 1u);
    EXPECT_EQ(no.Texts()[0], "Are you sure you want to exit out of Ruvo Presenter?");
  }
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  {
    TMessageBoxWatcher yes(IDYES);
    ClickExit();
    Settle();
  }
  EXPECT_EQ(ReadCommand(api), Cmd(12));
  EXPECT_TRUE(IsWindowVisible(main));  // the add-in ends it
}

TEST_F(SelectorAtEverySize, ReduceEmptySlotsPosts) {
  POINT p = Centre(SelectorReduceRect());
  ClickAt(p.x, p.y);
  EXPECT_EQ(ReadCommand(api), Cmd(25));
}

TEST_F(Presenter, ExitWithCtrlAndShiftHeldOpensTheAboutBox) {
  for (int key : {VK_RETURN, VK_ESCAPE}) {
    TMessageBoxWatcher boxes;
    TWindowWatcher about(kClass, "About", [key](HWND w) {
      RECT r;
      GetWindowRect(w, &r);
      if (key == VK_RETURN) SaveScreenshot("about-box.png", r);
      PostMessageA(w, WM_KEYDOWN, WPARAM(key), 1);
    });
    {
      TKeysHeld held({VK_CONTROL, VK_SHIFT});
      ClickExit();
    }
    Settle();
    EXPECT_TRUE(about.Seen());
    EXPECT_EQ(FindWindowA(kClass, "About"), nullptr);
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(ReadCommand(api), Cmd(0));
  }
  // Keys whose toggle state is on but which are not held count for nothing: the question comes.
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = state[VK_SHIFT] = 0x01;
  SetKeyboardState(state);
  TMessageBoxWatcher no(IDNO);
  ClickExit();
  Settle();
  state[VK_CONTROL] = state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  EXPECT_EQ(no.Texts().size(), 1u);
}

TEST_F(Presenter, SlideKeysPostForTheCurrentScreenOnly) {
  std::string path = WriteTestModule(modules, dir, "Keys", 2);
  TOpenModule deck(modules, path);
  api.CreateSSWForm("Deck A", deck.Module, deck.File);
  api.CreateSSWForm("deck a", deck.Module, deck.File);
  TypeKey(main, VK_RIGHT);
  EXPECT_EQ(ReadCommand(api), Cmd(0));  // no current screen yet

  api.ShowSSWForm("Deck A");
  struct {
    int key;
    std::vector<int> held;
    int32_t command;
  } cases[] = {
      {VK_RIGHT, {}, 20},      {VK_SPACE, {}, 20},   {VK_NEXT, {}, 20},         {VK_DOWN, {}, 20},
      {'N', {}, 20},           {VK_DECIMAL, {}, 20}, {VK_RETURN, {}, 20},       {VK_LEFT, {}, 19},
      {VK_UP, {}, 19},         {VK_PRIOR, {}, 19},   {VK_BACK, {}, 19},         {'P', {}, 19},
      {VK_F1, {}, 19},         {'X', {}, 0},         {VK_RIGHT, {VK_SHIFT}, 0}, {VK_SPACE, {VK_CONTROL}, 0},
      {VK_LEFT, {VK_MENU}, 0},
  };
  for (const auto& c : cases) {
    TKeysHeld held(c.held);
    TypeKey(main, c.key);
    EXPECT_EQ(ReadCommand(api), c.command ? Cmd(c.command, "Deck A") : Cmd(0)) << c.key;
  }
  // The selector on view keeps the current screen.
  api.ShowPresentationSelectorFrame();
  TypeKey(main, VK_RIGHT);
  EXPECT_EQ(ReadCommand(api), Cmd(20, "Deck A"));
  // Hiding another screen still leaves no current one.
  api.HideSSWForm("deck a");
  TypeKey(main, VK_RIGHT);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  api.ShowPresenterFrame("deck a");
  TypeKey(main, VK_LEFT);
  EXPECT_EQ(ReadCommand(api), Cmd(19, "deck a"));
  api.DestroySSWForm("deck a");
  TypeKey(main, VK_LEFT);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
}

TEST_F(Presenter, VolumeNoticesPostTheDriveLetter) {
  DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << 4, 0};
  EXPECT_EQ(SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&volume)), TRUE);
  EXPECT_EQ(ReadCommand(api), Cmd(16, "", 0, "E"));
  volume.dbcv_unitmask = (1u << 3) | (1u << 5);
  SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, LPARAM(&volume));
  EXPECT_EQ(ReadCommand(api), Cmd(17, "", 0, "D"));

  EXPECT_EQ(SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, LPARAM(&volume)), TRUE);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  DEV_BROADCAST_HDR port{sizeof port, DBT_DEVTYP_PORT, 0};
  SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&port));
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  // A missing or too short header is not read.
  EXPECT_EQ(SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0), TRUE);
  volume.dbcv_size = 4;
  SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&volume));
  EXPECT_EQ(ReadCommand(api), Cmd(0));
}

// The add-in ends the presenter (from a timer of its own) while the exit question is open: the
// window goes at once, the question closes without an answer, nothing is posted.
TEST_F(Presenter, ClosedWhileTheExitQuestionIsOpen) {
  gTimerApi = &api;
  UINT_PTR timer = SetTimer(nullptr, 0, 500, CloseFromTimer);
  HANDLE exitEvent = OpenEventA(SYNCHRONIZE, FALSE, "RuvoPresenterExit");
  ClickExit();
  Settle();
  KillTimer(nullptr, timer);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(FindWindowA("#32770", "Ruvo Presenter"), nullptr);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  ASSERT_NE(exitEvent, nullptr);
  EXPECT_EQ(WaitForSingleObject(exitEvent, 0), WAIT_OBJECT_0);
  CloseHandle(exitEvent);
}

TEST_F(Presenter, ScreenDestroyedWhileTheAboutBoxIsOpen) {
  std::string path = WriteTestModule(modules, dir, "Gone", 1);
  TOpenModule deck(modules, path);
  api.CreateSSWForm("Gone", deck.Module, deck.File);
  api.ShowPresenterFrame("Gone");
  api.ShowPresentationSelectorFrame();
  gTimerApi = &api;
  UINT_PTR timer = SetTimer(nullptr, 0, 300, DestroyGoneFromTimer);
  TWindowWatcher about(kClass, "About", [](HWND w) {
    Sleep(1000);
    PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 1);
  });
  {
    TKeysHeld held({VK_CONTROL, VK_SHIFT});
    ClickExit();
  }
  Settle();
  KillTimer(nullptr, timer);
  EXPECT_TRUE(about.Seen());
  TypeKey(main, VK_RIGHT);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  EXPECT_TRUE(IsWindowVisible(main));
}

// Outside the fixture: each case makes and ends its own window.
TEST(PresenterLifetime, ExportsWithoutAWindowDoNothing) {
  TAddIn addIn;
  TPresenterApi api(addIn);
  TMessageBoxWatcher boxes;
  for (int round = 0; round < 2; ++round) {
    api.ShowPresenter();
    api.HidePresenter();
    api.SetFocusOnPresenter();
    api.CreateSSWForm("x", nullptr, nullptr);
    api.ShowSSWForm("x");
    api.UpdateSlideImagesIndex("x", 1, 0, 2);
    api.ShowFileBrowserFrame();
    api.LoadSelectorThumbnail(1, nullptr, nullptr, 0, "x");
    api.SwapSelectorThumbnail(1, 2);
    api.SetSelectorLevel(2);
    EXPECT_EQ(api.GetCurrentSelectorLevel(), 0);
    EXPECT_EQ(api.GetMaxSelectorLevel(), 0);
    int32_t c = -7, r = -7;
    api.GetSelectorDimensions(1, &c, &r);
    EXPECT_EQ(c, -7);
    api.ClosePresenter();
    if (round == 0) {
      // A second CreatePresenter keeps the window there is.
      void* first = api.CreatePresenter();
      EXPECT_EQ(api.CreatePresenter(), first);
      api.ClosePresenter();
      Settle(5);
    }
  }
  EXPECT_EQ(FindWindowA(kClass, "Ruvo Presenter"), nullptr);
  EXPECT_TRUE(boxes.Texts().empty());
}

namespace {
const char kPolicies[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

struct TAutoRunValue {
  bool present = false;
  DWORD type = 0;
  std::vector<BYTE> data;
};

TAutoRunValue ReadAutoRun() {
  TAutoRunValue v;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPolicies, 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
  BYTE data[64];
  DWORD size = sizeof data;
  if (RegQueryValueExA(key, "NoDriveTypeAutoRun", nullptr, &v.type, data, &size) == ERROR_SUCCESS) {
    v.present = true;
    v.data.assign(data, data + size);
  }
  RegCloseKey(key);
  return v;
}

void WriteAutoRun(DWORD type, const void* data, DWORD size) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, kPolicies, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (data)
    RegSetValueExA(key, "NoDriveTypeAutoRun", 0, type, static_cast<const BYTE*>(data), size);
  else
    RegDeleteValueA(key, "NoDriveTypeAutoRun");
  RegCloseKey(key);
}

DWORD Dword(const TAutoRunValue& v) { return v.data.size() == 4 ? *reinterpret_cast<const DWORD*>(v.data.data()) : 0; }
}  // namespace

TEST(PresenterLifetime, AutoRunIsOffWhileTheWindowLivesAndRestoredAsFound) {
  TAddIn addIn;
  TPresenterApi api(addIn);
  const DWORD original = 0x91;
  const char text[] = "not a number";
  struct {
    const char* what;
    DWORD type;
    const void* data;
    DWORD size;
    bool switchedOff;
  } cases[] = {
      {"a DWORD", REG_DWORD, &original, sizeof original, true},
      {"no value", REG_NONE, nullptr, 0, true},
      {"a string", REG_SZ, text, sizeof text, false},
  };
  for (const auto& c : cases) {
    WriteAutoRun(c.type, c.data, c.size);
    TAutoRunValue before = ReadAutoRun();
    api.CreatePresenter();
    TAutoRunValue during = ReadAutoRun();
    if (c.switchedOff) {
      EXPECT_EQ(during.type, DWORD(REG_DWORD)) << c.what;
      EXPECT_EQ(Dword(during), 255u) << c.what;
    } else {
      EXPECT_EQ(during.data, before.data) << c.what;
    }
    // The exit event is set when the window ends, not before.
    HANDLE exitEvent = OpenEventA(SYNCHRONIZE, FALSE, "RuvoPresenterExit");
    ASSERT_NE(exitEvent, nullptr) << c.what;
    EXPECT_EQ(WaitForSingleObject(exitEvent, 0), DWORD(WAIT_TIMEOUT)) << c.what;
    api.ClosePresenter();
    EXPECT_EQ(WaitForSingleObject(exitEvent, 0), WAIT_OBJECT_0) << c.what;
    CloseHandle(exitEvent);
    TAutoRunValue after = ReadAutoRun();
    EXPECT_EQ(after.present, before.present) << c.what;
    EXPECT_EQ(after.type, before.type) << c.what;
    EXPECT_EQ(after.data, before.data) << c.what;
  }
  WriteAutoRun(REG_NONE, nullptr, 0);
}
