// The file browser driven through Ruvo_Server.dll as the add-in shows it, on drives of the test
// machine's own (scripts/wine-drives.sh): G: a fixed disk with folders of modules and
// presentations, H: a memory stick put in and taken out by making and removing its folder, E: a
// removable drive without a medium. The speaker's clicks land on the native lists and buttons.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>
// after windows.h, which it needs
#include <dbt.h>

#include "BrowserTools.h"
#include "PresenterApi.h"
#include "TestScreen.h"

void PrintTo(const TCommandRead& c, std::ostream* os);

namespace {

const char kStick[] = "Z:\\tmp\\ruvo-drives\\h";
const char kModules[] = "Ruvo Modules", kPresentations[] = "Microsoft Office PowerPoint files",
           kAllFiles[] = "All files (*.*)";
using TNames = std::vector<std::string>;

TCommandRead Cmd(int32_t id, std::string p2 = "") { return TCommandRead{id, "", 0, std::move(p2)}; }

void WriteFiles(const std::string& folder, const TNames& names) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string& name : names) WriteFileBytes(folder + "\\" + name, {'x'});
}

void InsertStick() { WriteFiles(kStick, {"Stick.ruvo"}); }
void RemoveStick() {
  for (const char* name : {"Stick.ruvo", "Later.ruvo"}) DeleteFileA((std::string(kStick) + "\\" + name).c_str());
  RemoveDirectoryA(kStick);
}

// The selector's tiles on view: child windows of a tile's size.
int VisibleTiles(HWND main) {
  std::vector<HWND> all;
  EnumChildWindows(main, browser_detail::Collect, reinterpret_cast<LPARAM>(&all));
  int n = 0;
  for (HWND w : all) {
    RECT r;
    GetWindowRect(w, &r);
    if (IsWindowVisible(w) && r.right - r.left == 352 && r.bottom - r.top == 320) ++n;
  }
  return n;
}

std::string Desktop() {
  char path[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE);
  return path;
}

// Points the user's desktop folder elsewhere while it lives.
class TDesktopElsewhere {
 public:
  explicit TDesktopElsewhere(const std::string& folder) {
    RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    had_ = RegQueryValueExA(key_, "Desktop", nullptr, &type_, data_, &size_) == ERROR_SUCCESS;
    RegSetValueExA(key_, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()), DWORD(folder.size() + 1));
  }
  ~TDesktopElsewhere() {
    if (had_)
      RegSetValueExA(key_, "Desktop", 0, type_, data_, size_);
    else
      RegDeleteValueA(key_, "Desktop");
    RegCloseKey(key_);
  }
  TDesktopElsewhere(const TDesktopElsewhere&) = delete;
  TDesktopElsewhere& operator=(const TDesktopElsewhere&) = delete;

 private:
  static constexpr const char* kShellFolders =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  HKEY key_ = nullptr;
  bool had_ = false;
  DWORD type_ = 0, size_ = sizeof data_;
  BYTE data_[1024] = {};
};

class Browser : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library = new TAddIn();
    WriteFiles("G:\\Modules", {"Beta.ruvo", "Alpha.ruvo", "notes.txt"});
    WriteFiles("G:\\Talks", {"Keynote.ppt", "Intro.pps", "Old.pptx"});
    WriteFiles("G:\\Both", {"Deck.ruvo", "Deck.ppt"});
    WriteFiles("G:\\Neither", {"readme.txt"});
  }
  static void TearDownTestSuite() {
    delete library;
    library = nullptr;
  }
  static TAddIn* library;
  TPresenterApi api{*library};
  HWND main = nullptr;
  TBrowserWindows b;
  char savedFolder_[MAX_PATH] = "";

  void SetUp() override {
    ASSERT_EQ(GetDriveTypeA("G:\\"), UINT(DRIVE_FIXED)) << "drive G: missing: run scripts/wine-drives.sh first";
    GetCurrentDirectoryA(MAX_PATH, savedFolder_);
    RemoveStick();
  }
  void TearDown() override {
    api.ClosePresenter();
    Settle(5);
    SetCurrentDirectoryA(savedFolder_);
    RemoveStick();
  }
  // Creates the presenter with the process's current folder in `folder` (the browser chooses its
  // start there) and shows the browser.
  void Open(const char* folder = "Z:\\tmp") {
    SetCurrentDirectoryA(folder);
    ASSERT_NE(api.CreatePresenter(), nullptr);
    api.ShowPresenter();
    api.ShowFileBrowserFrame();
    Settle();
    main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
    ASSERT_NE(main, nullptr);
    b = FindBrowser(main);
    ASSERT_TRUE(b.FileList && b.DirList && b.Filter && b.Drive && b.OK && b.Cancel);
    ReadCommand(api);
  }
  std::string Folder() { return ListSelection(b.DirList); }
  // Screenshots go where the suite looks for them, whatever the current folder is meanwhile.
  void Shot(const std::string& name) {
    SaveScreenshot(std::string(savedFolder_) + "\\" + name, TestScreen().Monitor());
  }
  // Opens a folder of the current drive's root with double clicks, as the speaker does.
  void Enter(const std::string& name) {
    ASSERT_TRUE(ClickListItem(b.DirList, ListItems(b.DirList).at(0), true)) << "root";
    ASSERT_TRUE(ClickListItem(b.DirList, name, true)) << name;
  }
};

TAddIn* Browser::library = nullptr;

// The cases that the suite runs again on every size of the first monitor.
class BrowserAtEverySize : public Browser {};

}  // namespace

// The start choice: a ready stick at the highest letter wins; without its medium it is passed
// over (as is E:, which never has one) for the hard disk; the desktop when the winner holds the
// current folder; the drive's root when there is no desktop folder.
TEST_F(Browser, StartsOnTheHighestReadyDriveOrTheDesktop) {
  TMessageBoxWatcher boxes;
  UINT mode = SetErrorMode(0);
  SetErrorMode(mode);
  InsertStick();
  Open();
  EXPECT_EQ(ComboSelection(b.Drive), "h:");
  EXPECT_EQ(Folder(), "H:\\");
  EXPECT_EQ(ListItems(b.FileList), TNames{"Stick.ruvo"});
  // The drive box lists every drive in lower case, the one without a medium too.
  int e = int(SendMessageA(b.Drive, CB_FINDSTRING, WPARAM(-1), LPARAM("e:")));
  EXPECT_GE(e, 0);

  // Taken out while the browser is hidden: shown again, it opens on the start drive anew.
  api.ShowPresentationSelectorFrame();
  RemoveStick();
  api.ShowFileBrowserFrame();
  Settle();
  EXPECT_EQ(ComboSelection(b.Drive), "g:");
  EXPECT_EQ(Folder(), "G:\\");
  api.ClosePresenter();

  Open("G:\\Talks");
  std::string desktop = Desktop();
  ASSERT_FALSE(desktop.empty());
  EXPECT_EQ(ComboSelection(b.Drive), std::string(1, char(tolower(desktop[0]))) + ":");
  EXPECT_EQ(Folder(), desktop.substr(desktop.find_last_of('\\') + 1));
  api.ClosePresenter();
  // The stick wins; taken out while the browser is hidden, the browser chooses as on its first
  // showing: the desktop, since the hard disk it falls back to holds the current folder.
  InsertStick();
  Open("G:\\Talks");
  EXPECT_EQ(Folder(), "H:\\");
  api.ShowPresentationSelectorFrame();
  RemoveStick();
  api.ShowFileBrowserFrame();
  Settle();
  EXPECT_EQ(Folder(), desktop.substr(desktop.find_last_of('\\') + 1));
  api.ClosePresenter();

  {
    TDesktopElsewhere missing("C:\\nowhere\\Desktop");
    Open("G:\\Talks");
  }
  EXPECT_EQ(Folder(), "G:\\");
  EXPECT_EQ(ComboSelection(b.Drive), "g:");

  // Choosing the drive without a medium shows empty lists.
  ASSERT_TRUE(PickComboItem(b.Drive, "e:"));
  EXPECT_EQ(Folder(), "E:\\");
  EXPECT_EQ(ListItems(b.FileList), TNames{});
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_EQ(SetErrorMode(mode), mode);  // put back after every probe
}

TEST_F(BrowserAtEverySize, ShowsOverTheWorkAreaInsteadOfTheSelector) {
  InsertStick();
  Open();
  const TTestScreen& screen = TestScreen();
  RECT list, work = screen.Work();
  GetWindowRect(b.FileList, &list);
  EXPECT_EQ(list.left, work.left + 4);
  EXPECT_EQ(list.top, work.top + 41 + 4);
  // Both buttons whole on the work area, and they take the speaker's clicks.
  for (HWND button : {b.OK, b.Cancel}) {
    RECT r, inside;
    GetWindowRect(button, &r);
    EXPECT_TRUE(IntersectRect(&inside, &r, &work) && EqualRect(&inside, &r));
  }
  ClickWindow(b.Cancel);
  EXPECT_EQ(ReadCommand(api), Cmd(14));
  EXPECT_EQ(VisibleTiles(main), 0);
  Shot(screen.ShotName("browser-stick"));
  // Shown while on view it stays as it is; shown again from hidden, it reads its folder anew.
  WriteFiles(kStick, {"Later.ruvo"});
  api.ShowFileBrowserFrame();
  Settle();
  EXPECT_EQ(ListItems(b.FileList), TNames{"Stick.ruvo"});
  api.ShowPresentationSelectorFrame();
  Settle();
  EXPECT_FALSE(IsWindowVisible(b.FileList));
  int32_t columns = 0, rows = 0;
  api.GetSelectorDimensions(1, &columns, &rows);
  EXPECT_EQ(VisibleTiles(main), columns * rows);
  api.ShowFileBrowserFrame();
  Settle();
  EXPECT_TRUE(IsWindowVisible(b.FileList));
  EXPECT_EQ(ListItems(b.FileList), (TNames{"Later.ruvo", "Stick.ruvo"}));
}

TEST_F(Browser, TheFilterFollowsTheFolderUntilTheSpeakerPicksOne) {
  Open();
  ASSERT_EQ(Folder(), "G:\\");
  const struct {
    const char* folder;
    const char* filter;
    TNames files;
  } cases[] = {
      {"Modules", kModules, {"Alpha.ruvo", "Beta.ruvo"}},
      {"Talks", kPresentations, {"Intro.pps", "Keynote.ppt"}},  // not Old.pptx
      {"Both", kModules, {"Deck.ruvo"}},
      {"Neither", kModules, {}},
  };
  for (const auto& c : cases) {
    Enter(c.folder);
    EXPECT_EQ(Folder(), c.folder);
    EXPECT_EQ(ComboSelection(b.Filter), c.filter) << c.folder;
    EXPECT_EQ(ListItems(b.FileList), c.files) << c.folder;
  }
  ASSERT_TRUE(PickComboItem(b.Filter, kAllFiles));
  EXPECT_EQ(ListItems(b.FileList), TNames{"readme.txt"});
  Enter("Talks");
  EXPECT_EQ(ComboSelection(b.Filter), kAllFiles);
  EXPECT_EQ(ListItems(b.FileList), (TNames{"Intro.pps", "Keynote.ppt", "Old.pptx"}));
  ASSERT_TRUE(PickComboItem(b.Filter, kModules));
  Enter("Talks");
  EXPECT_EQ(ComboSelection(b.Filter), kModules);  // the speaker's choice, though nothing matches
  EXPECT_EQ(ListItems(b.FileList), TNames{});
}

TEST_F(Browser, OKFollowsTheSelectionAndPostsThePath) {
  Open();
  Enter("Modules");
  EXPECT_FALSE(IsWindowEnabled(b.OK));
  ASSERT_TRUE(ClickListItem(b.FileList, "Beta.ruvo"));
  EXPECT_TRUE(IsWindowEnabled(b.OK));
  Shot("browser-modules.png");
  EXPECT_EQ(ReadCommand(api), Cmd(0));  // choosing posts nothing yet
  ClickWindow(b.OK);
  EXPECT_EQ(ReadCommand(api), Cmd(15, "G:\\Modules\\Beta.ruvo"));
  ClickWindow(b.Cancel);
  EXPECT_EQ(ReadCommand(api), Cmd(14));
  EXPECT_TRUE(IsWindowVisible(b.FileList));  // the add-in decides what shows next

  Enter("Talks");  // another folder: nothing is selected
  EXPECT_FALSE(IsWindowEnabled(b.OK));
  Shot("browser-presentations.png");
  ASSERT_TRUE(ClickListItem(b.FileList, "Keynote.ppt", true));
  EXPECT_EQ(ReadCommand(api), Cmd(15, "G:\\Talks\\Keynote.ppt"));

  // A double click on an empty list chooses nothing.
  Enter("Neither");
  RECT r;
  GetWindowRect(b.FileList, &r);
  DoubleClickAt((r.left + r.right) / 2, r.top + 100);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
  EXPECT_FALSE(IsWindowEnabled(b.OK));
}

TEST_F(Browser, TheSplitterMovesTheBorder) {
  Open();
  RECT before, dirBefore;
  GetWindowRect(b.FileList, &before);
  GetWindowRect(b.DirList, &dirBefore);
  // The bar lies just right of the file panel.
  POINT grab{before.right + 4 + 1, (before.top + before.bottom) / 2};
  HWND bar = WindowFromPoint(grab);
  POINT p = grab;
  ScreenToClient(bar, &p);
  PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x - 200, p.y));
  PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(p.x - 200, p.y));
  Settle(5);
  RECT after, dirAfter;
  GetWindowRect(b.FileList, &after);
  GetWindowRect(b.DirList, &dirAfter);
  EXPECT_EQ(after.right - after.left, before.right - before.left - 200);
  EXPECT_EQ(dirAfter.left, dirBefore.left - 200);
  EXPECT_EQ(dirAfter.right, dirBefore.right);
}

// Volume notices reach the add-in while the browser is on view; the data of other events is
// never read (a device-nodes notice carries no header).
TEST_F(Browser, VolumeNoticesWhileBrowsing) {
  Open();
  DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << 4, 0};
  EXPECT_EQ(SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, LPARAM(&volume)), TRUE);
  EXPECT_EQ(ReadCommand(api), Cmd(16, "E"));
  volume.dbcv_unitmask = 1u << 7;
  SendMessageA(main, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, LPARAM(&volume));
  EXPECT_EQ(ReadCommand(api), Cmd(17, "H"));
  EXPECT_EQ(SendMessageA(main, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 1), TRUE);
  EXPECT_EQ(ReadCommand(api), Cmd(0));
}
