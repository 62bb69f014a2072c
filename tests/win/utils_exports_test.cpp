// The path, monitor, dialog and file-search functions through the DLL, and the library's own
// helpers linked in. Runs on the two-monitor test desktop (1280x1024 with 1024x768 to its right).
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "AddIn.h"
#include "UtilsUnit.h"

namespace {

using TTextIn = int32_t(__stdcall*)(const char*, char*);
using TBufferOnly = int32_t(__stdcall*)(char*);

// Puts the process in a folder for the test's length.
class TCurrentFolder {
 public:
  explicit TCurrentFolder(const std::string& folder) : saved_(CurrentFolder()) { SetCurrentDirectoryA(folder.c_str()); }
  ~TCurrentFolder() { SetCurrentDirectoryA(saved_.c_str()); }
  static std::string CurrentFolder() {
    char buffer[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, n);
  }

 private:
  std::string saved_;
};

// Answers the file dialog with the given title from a thread of its own: types each name into the
// file name box and presses OK, or presses Cancel when there are no names.
class TDialogDriver {
 public:
  TDialogDriver(std::string title, std::vector<std::string> names)
      : title_(std::move(title)), names_(std::move(names)), thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}
  ~TDialogDriver() {
    WaitForSingleObject(thread_, 20000);
    CloseHandle(thread_);
  }
  bool Found() {
    WaitForSingleObject(thread_, 20000);
    return found_;
  }
  // The dialog did not close on its own after the last name.
  bool Refused() {
    WaitForSingleObject(thread_, 20000);
    return refused_;
  }

 private:
  static void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
  }

  static DWORD WINAPI Run(void* p) {
    auto* self = static_cast<TDialogDriver*>(p);
    HWND dialog = nullptr;
    for (int i = 0; i < 1000 && !dialog; ++i, Sleep(10)) dialog = FindWindowA("#32770", self->title_.c_str());
    if (!dialog) return 0;
    self->found_ = true;
    Sleep(200);  // let the dialog finish its start-up
    for (const std::string& name : self->names_) {
      HWND box = GetDlgItem(dialog, cmb13);
      if (!box) box = GetDlgItem(dialog, edt1);
      SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
      Press(dialog, IDOK);
      Sleep(300);
    }
    if (self->names_.empty()) Press(dialog, IDCANCEL);
    // Should the dialog refuse (a message box over it), both are closed rather than left hanging.
    for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(10);
    for (int i = 0; i < 50 && IsWindow(dialog); ++i) {
      self->refused_ = true;
      EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), CloseBox, LPARAM(dialog));
      Sleep(100);
      Press(dialog, IDCANCEL);
      Sleep(100);
    }
    return 0;
  }

  static BOOL CALLBACK CloseBox(HWND window, LPARAM dialog) {
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (window != HWND(dialog) && std::string(cls) == "#32770") PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
  }

  std::string title_;
  std::vector<std::string> names_;
  bool found_ = false;
  bool refused_ = false;
  HANDLE thread_;
};

class UtilsExports : public ::testing::Test {
 protected:
  TAddIn addIn;
  TTempDir dir;
};

void Touch(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  WriteFileBytes(path, {1});
  SetFileAttributesA(path.c_str(), attributes);
}

}  // namespace

TEST_F(UtilsExports, PathTexts) {
  auto convert = addIn.Fn<TTextIn>("ConvertPPTToDMFileName");
  char buffer[MAX_PATH];
  EXPECT_EQ(convert("C:\\a.b\\deck", buffer), 16);
  EXPECT_STREQ(buffer, "C:\\a.b\\deck.ruvo");
  EXPECT_EQ(convert("D:\\Talks\\Q3.review.ppt", buffer), 23);
  EXPECT_STREQ(buffer, "D:\\Talks\\Q3.review.ruvo");

  auto relative = addIn.Fn<int32_t(__stdcall*)(const char*, const char*, char*)>("RelativePath");
  EXPECT_EQ(relative("C:\\Talks\\Q3\\module.ruvo", "C:\\Talks\\Decks\\Q3.ppt", buffer), 15);
  EXPECT_STREQ(buffer, "..\\Decks\\Q3.ppt");
  EXPECT_EQ(relative("C:\\A\\x.ppt", "c:\\a\\y.ruvo", buffer), 6);
  EXPECT_STREQ(buffer, "y.ruvo");
  EXPECT_EQ(relative("C:\\A\\x.ppt", "D:\\A\\y.ruvo", buffer), 11);
  EXPECT_STREQ(buffer, "D:\\A\\y.ruvo");

  auto expand = addIn.Fn<TTextIn>("ExpandPath");
  TCurrentFolder in(dir.Dir());
  std::string want = dir.Path("y.ppt");
  EXPECT_EQ(expand("sub\\..\\.\\y.ppt", buffer), int32_t(want.size()));
  EXPECT_STREQ(buffer, want.c_str());
  std::string drive = dir.Dir().substr(0, 2);
  EXPECT_EQ(expand("\\x", buffer), 4);
  EXPECT_EQ(buffer, drive + "\\x");
}

TEST_F(UtilsExports, Folders) {
  char shell[MAX_PATH] = "";
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, shell, CSIDL_APPDATA, FALSE));
  char buffer[2048];
  auto appData = addIn.Fn<TBufferOnly>("UserAppDataFolder");
  EXPECT_EQ(appData(buffer), int32_t(std::strlen(shell)));
  EXPECT_STREQ(buffer, shell);
  EXPECT_NE(buffer[std::strlen(buffer) - 1], '\\');

  EXPECT_EQ(GetSpecialFolderPath(CSIDL_APPDATA), std::string(shell) + "\\");
  EXPECT_EQ(GetSpecialFolderPath(0xFE), "");

  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  std::string folder = TempFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(folder, std::string(temp).back() == '\\' ? std::string(temp) : std::string(temp) + "\\");
}

// The test desktop has the 1024x768 monitor right of the 1280x1024 primary one.
TEST_F(UtilsExports, Monitors) {
  auto count = addIn.Fn<int32_t(__stdcall*)()>("GetMonitorCount");
  auto info = addIn.Fn<void(__stdcall*)(int32_t, int32_t*, int32_t*, int32_t*, int32_t*)>("GetMonitorInfo");
  EXPECT_EQ(count(), 2);
  int32_t b[4] = {-1, -1, -1, -1};
  info(1, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int32_t>(b, b + 4), (std::vector<int32_t>{0, 0, 1280, 1024}));
  info(2, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int32_t>(b, b + 4), (std::vector<int32_t>{1280, 0, 1024, 768}));
  for (int32_t none : {0, 3, -1}) {
    int32_t u[4] = {-5, -5, -5, -5};
    info(none, &u[0], &u[1], &u[2], &u[3]);
    EXPECT_EQ(std::vector<int32_t>(u, u + 4), (std::vector<int32_t>(4, -5))) << none;
  }
}

TEST_F(UtilsExports, FileSearch) {
  auto first = addIn.Fn<void*(__stdcall*)(const char*)>("FindFirstFile");
  auto next = addIn.Fn<int32_t(__stdcall*)(void*)>("FindNextFile");
  auto close = addIn.Fn<void(__stdcall*)(void*)>("FindCloseFile");
  auto name = addIn.Fn<int32_t(__stdcall*)(void*, char*)>("FindGetFileName");

  std::string sub = dir.Path("folder.txt");
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  EXPECT_EQ(first(dir.Path("*").c_str()), nullptr);  // only "." , ".." and a folder

  Touch(dir.Path("plain.txt"));
  Touch(dir.Path("readonly.txt"), FILE_ATTRIBUTE_READONLY);
  Touch(dir.Path("hidden.txt"), FILE_ATTRIBUTE_HIDDEN);
  Touch(dir.Path("archive.txt"), FILE_ATTRIBUTE_ARCHIVE);
  Touch(dir.Path("system.txt"), FILE_ATTRIBUTE_SYSTEM);
  ASSERT_NE(GetFileAttributesA(dir.Path("system.txt").c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u);
  ASSERT_NE(GetFileAttributesA(dir.Path("hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);

  void* search = first(dir.Path("*").c_str());
  ASSERT_NE(search, nullptr);
  std::vector<std::string> found;
  char buffer[MAX_PATH];
  do {
    int32_t n = name(search, buffer);
    EXPECT_EQ(n, int32_t(std::strlen(buffer)));
    found.push_back(buffer);
  } while (next(search) == -1 && found.size() < 10);
  std::string last = found.back();
  EXPECT_EQ(next(search), 0);
  name(search, buffer);
  EXPECT_EQ(buffer, last);  // the last name stays after the end
  close(search);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"archive.txt", "hidden.txt", "plain.txt", "readonly.txt"}));

  search = first(dir.Path("read*.txt").c_str());
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(name(search, buffer), 12);
  EXPECT_STREQ(buffer, "readonly.txt");
  EXPECT_EQ(next(search), 0);
  close(search);
  EXPECT_EQ(first(dir.Path("*.none").c_str()), nullptr);
  EXPECT_EQ(first(dir.Path("no-such-folder\\*").c_str()), nullptr);
  EXPECT_EQ(first(dir.Path("system.txt").c_str()), nullptr);

  SetFileAttributesA(dir.Path("system.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(sub.c_str());
}

TEST_F(UtilsExports, DialogsReturnTheChosenFileOrNothing) {
  struct {
    const char *fn, *title, *file;
  } dialogs[] = {
      {"FileOpenDialog", "Open Ruvo Module", "deck.ruvo"},
      {"FileSaveDialog", "Save Ruvo Module", "new.ruvo"},
      {"InsertWMPMovieDialog", "Select Windows Media Player Movie", "clip.wmv"},
      {"InsertFlashMovieDialog", "Select Flash Movie", "clip.swf"},
  };
  Touch(dir.Path("deck.ruvo"));
  Touch(dir.Path("clip.wmv"));
  Touch(dir.Path("clip.swf"));
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.fn);
    auto run = addIn.Fn<TBufferOnly>(d.fn);
    TCurrentFolder in(dir.Dir());
    char buffer[MAX_PATH] = "untouched";
    {
      TDialogDriver cancel(d.title, {});
      EXPECT_EQ(run(buffer), 0);
      EXPECT_TRUE(cancel.Found());
    }
    EXPECT_STREQ(buffer, "untouched");

    // A bare name is looked for in the folder the dialog starts in: the current folder.
    TDialogDriver ok(d.title, {d.file});
    std::string want = dir.Path(d.file);
    EXPECT_EQ(run(buffer), int32_t(want.size()));
    EXPECT_TRUE(ok.Found());
    EXPECT_FALSE(ok.Refused());
    EXPECT_STREQ(buffer, want.c_str());
  }
}

// The dialogs leave the current folder where the user went.
TEST_F(UtilsExports, ChosenFolderBecomesTheCurrentFolder) {
  std::string sub = dir.Path("picked");
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  Touch(sub + "\\deck.ruvo");
  {
    TCurrentFolder in(dir.Dir());
    TDialogDriver ok("Open Ruvo Module", {"picked", "deck.ruvo"});  // into the folder, then the file
    char buffer[MAX_PATH];
    EXPECT_GT(addIn.Fn<TBufferOnly>("FileOpenDialog")(buffer), 0);
    EXPECT_EQ(buffer, sub + "\\deck.ruvo");
    EXPECT_EQ(TCurrentFolder::CurrentFolder(), sub);
  }
  DeleteFileA((sub + "\\deck.ruvo").c_str());
  RemoveDirectoryA(sub.c_str());
}

TEST(ForceForegroundWindow, BringsAndRestores) {
  auto make = [](const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  HWND a = make("first"), b = make("second");
  ASSERT_TRUE(a && b);
  SetForegroundWindow(a);
  ForceForegroundWindow(b);
  EXPECT_EQ(GetForegroundWindow(), b);
  ShowWindow(a, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(a));
  ForceForegroundWindow(a);
  EXPECT_FALSE(IsIconic(a));
  EXPECT_EQ(GetForegroundWindow(), a);
  DestroyWindow(a);
  DestroyWindow(b);
}
