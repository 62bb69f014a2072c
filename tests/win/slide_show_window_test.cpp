// Slide-show window tracking through the DLL, with PowerPoint's slide-show windows played by
// windows of our own of the class "screenClass", in this process and in another one.
#include <gtest/gtest.h>

#include <memory>

#include "AddIn.h"

namespace {

using TPathFn = void(__stdcall*)(const char*);

const char kShowClass[] = "screenClass";
const char kDeck[] = "C:\\Talks\\deck.ppt";
const char kDeckCaption[] = "PowerPoint Slide Show - [deck.ppt] - Quarterly review";

const char* RegisteredClass(const char* name) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  RegisterClassA(&wc);  // a second registration fails harmlessly
  return name;
}

// A top-level window of this process, destroyed with the object.
struct TWindow {
  HWND h;
  TWindow(const char* className, const char* caption)
      : h(CreateWindowExA(0, RegisteredClass(className), caption, WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr)) {}
  ~TWindow() { Destroy(); }
  void Destroy() {
    if (h) DestroyWindow(h);
    h = nullptr;
  }
  bool Enabled() const { return IsWindowEnabled(h); }
};

// A slide-show window in another process (fake_slide_show.exe, built beside this program).
class TOtherProcessWindow {
 public:
  explicit TOtherProcessWindow(const char* caption) {
    std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::string readyName = "ruvo-show-ready-" + tag, quitName = "ruvo-show-quit-" + tag;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    quit_ = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exe = self;
    exe = exe.substr(0, exe.rfind('\\') + 1) + "fake_slide_show.exe";
    std::string command = "\"" + exe + "\" " + kShowClass + " \"" + caption + "\" " + readyName + " " + quitName;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_)) {
      CloseHandle(process_.hThread);
      HANDLE both[] = {ready_, process_.hProcess};
      if (WaitForMultipleObjects(2, both, FALSE, 60000) == WAIT_OBJECT_0) window_ = Find(caption);
    }
  }
  ~TOtherProcessWindow() {
    SetEvent(quit_);
    if (process_.hProcess) {
      WaitForSingleObject(process_.hProcess, 30000);
      CloseHandle(process_.hProcess);
    }
    CloseHandle(ready_);
    CloseHandle(quit_);
  }
  HWND Window() const { return window_; }

 private:
  struct TSearch {
    DWORD process;
    std::string caption;
    HWND found = nullptr;
  };
  static BOOL CALLBACK Match(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<TSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    if (pid != s->process || s->caption != text) return TRUE;
    s->found = w;
    return FALSE;
  }
  HWND Find(const char* caption) {
    TSearch search{process_.dwProcessId, caption};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HANDLE ready_, quit_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

class SlideShowWindows : public ::testing::Test {
 protected:
  TAddIn addIn;
  TPathFn started = addIn.Fn<TPathFn>("RuvoSlideShowStarted");
  TPathFn terminated = addIn.Fn<TPathFn>("RuvoSlideShowTerminated");
  TMessageBoxWatcher boxes;
  void TearDown() override { EXPECT_TRUE(boxes.Texts().empty()); }
};

}  // namespace

TEST_F(SlideShowWindows, OnlyThisProcesssWindowWithClassAndCaptionPrefixIsDisabled) {
  TOtherProcessWindow other(kDeckCaption);
  ASSERT_NE(other.Window(), nullptr);
  TWindow otherClass("otherClass", kDeckCaption);
  TWindow otherCase(kShowClass, "PowerPoint Slide Show - [Deck.ppt] - Quarterly review");
  TWindow cutShort(kShowClass, "PowerPoint Slide Show - [deck.pp");
  TWindow otherName(kShowClass, "PowerPoint Slide Show - [deck2.ppt]");
  TWindow show(kShowClass, kDeckCaption);

  started(kDeck);
  EXPECT_FALSE(show.Enabled());
  EXPECT_TRUE(IsWindowEnabled(other.Window()));
  for (const TWindow* w : {&otherClass, &otherCase, &cutShort, &otherName}) EXPECT_TRUE(w->Enabled());

  // A path with no folder is its own file name; the recorded window is not matched again.
  started("deck.ppt");
  EXPECT_TRUE(IsWindowEnabled(other.Window()));
  for (const TWindow* w : {&otherClass, &otherCase, &cutShort, &otherName}) EXPECT_TRUE(w->Enabled());
}

TEST_F(SlideShowWindows, OneWindowPerCallAndTerminationForgetsTheEarliest) {
  TWindow first(kShowClass, kDeckCaption), second(kShowClass, "PowerPoint Slide Show - [deck.ppt]");
  started(kDeck);
  EXPECT_NE(first.Enabled(), second.Enabled());
  TWindow& disabledFirst = first.Enabled() ? second : first;
  TWindow& disabledSecond = first.Enabled() ? first : second;
  started("D:\\Other\\deck.ppt");  // the same file name in another folder shares the prefix
  EXPECT_FALSE(disabledSecond.Enabled());
  started(kDeck);  // both recorded: nothing left to do

  // Termination forgets the earliest record and enables nothing.
  terminated(kDeck);
  EXPECT_FALSE(first.Enabled());
  EXPECT_FALSE(second.Enabled());
  EnableWindow(first.h, TRUE);
  EnableWindow(second.h, TRUE);
  started(kDeck);
  EXPECT_FALSE(disabledFirst.Enabled());
  EXPECT_TRUE(disabledSecond.Enabled());  // still recorded, so skipped

  terminated("C:\\Talks\\never-started.ppt");
  terminated(kDeck);
  terminated(kDeck);
  EnableWindow(first.h, TRUE);
  started(kDeck);
  started(kDeck);
  EXPECT_FALSE(first.Enabled());
  EXPECT_FALSE(second.Enabled());
}

TEST_F(SlideShowWindows, EmptyFileNamesMatchNothing) {
  TWindow bare(kShowClass, "PowerPoint Slide Show - ["), show(kShowClass, kDeckCaption);
  for (const char* path : {"", "C:\\Talks\\", "C:", static_cast<const char*>(nullptr)}) {
    started(path);
    terminated(path);
  }
  EXPECT_TRUE(bare.Enabled());
  EXPECT_TRUE(show.Enabled());
}

// A window that is gone leaves no record behind that would hide the next show's window.
TEST_F(SlideShowWindows, RecordsOfWindowsThatAreGoneAreDropped) {
  auto lost = std::make_unique<TWindow>(kShowClass, kDeckCaption);
  started(kDeck);
  EXPECT_FALSE(lost->Enabled());
  lost.reset();
  TWindow next(kShowClass, kDeckCaption);
  started(kDeck);
  EXPECT_FALSE(next.Enabled());
  terminated(kDeck);  // forgets the next show's window, not the lost one
  EnableWindow(next.h, TRUE);
  started(kDeck);
  EXPECT_FALSE(next.Enabled());
}
