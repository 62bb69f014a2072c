// The library's start and end steps: run here on this program's own copy of the library's code
// and artwork, and through the DLL itself for what is visible from outside (the named mutex).
#include <gtest/gtest.h>

#include "AddIn.h"
#include "AllSlidesLayout.h"
#include "LayoutTables.h"
#include "PresenterFrameUnit.h"
#include "ProgressStatusUnit.h"
#include "ServerLifetime.h"
#include "WinProcUnit.h"

namespace {
bool MutexExists() {
  HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, "RuvoPresenter");
  if (h) CloseHandle(h);
  return h != nullptr;
}

void ExpectNothingLeft() {
  for (int i = 0; i < kScreenSizeCount; ++i) {
    EXPECT_FALSE(SelectorLayout(1, i).Image) << i;
    EXPECT_FALSE(SelectorLayout(2, i).Image) << i;
    EXPECT_FALSE(AllSlidesLayout[i].Image) << i;
  }
  EXPECT_EQ(PresenterMutex(), nullptr);
  EXPECT_EQ(GlobalProgressForm(), nullptr);
  EXPECT_FALSE(MutexExists());
  EXPECT_EQ(SlideShowWindowList(), nullptr);
}

// Ends the library's steps even when a test stops half way, so later tests start clean.
class LibraryLifetime : public ::testing::Test {
 protected:
  void TearDown() override { ServerEnd(); }
};
}  // namespace

TEST_F(LibraryLifetime, StartLoadsEveryLayoutPictureAndEndLeavesNothing) {
  ASSERT_FALSE(MutexExists());
  ServerStart(GetModuleHandleA(nullptr));
  for (int i = 0; i < kScreenSizeCount; ++i) {
    const TPicture& level1 = SelectorLayout(1, i).Image;
    const TPicture& level2 = SelectorLayout(2, i).Image;
    ASSERT_TRUE(level1 && level2) << i;
    EXPECT_FALSE(level1.SameObject(level2)) << i;
    EXPECT_TRUE(level1.SameContent(level2)) << i;
    // One decode per screen size: the second level shares the pixels.
    EXPECT_TRUE(level1.SharesPixels(level2)) << i;
    EXPECT_EQ(level1.Height(), SelectorResolutions[i].Height) << i;
    const TPicture& page = AllSlidesLayout[i].Image;
    ASSERT_TRUE(page) << i;
    EXPECT_EQ(page.Width(), SelectorResolutions[i].Width) << i;
    EXPECT_EQ(page.Height(), SelectorResolutions[i].Height - 80) << i;
  }
  EXPECT_EQ(SelectorLayout(1, 5).Image.Width(), 1650);
  ASSERT_NE(SlideShowWindowList(), nullptr);
  EXPECT_TRUE(SlideShowWindowList()->empty());
  EXPECT_NE(PresenterMutex(), nullptr);
  EXPECT_TRUE(MutexExists());
  EXPECT_EQ(ServerModule(), GetModuleHandleA(nullptr));

  ServerEnd();
  ExpectNothingLeft();
  EXPECT_EQ(ServerModule(), nullptr);
}

TEST_F(LibraryLifetime, StartsOncePerLoad) {
  ServerStart(GetModuleHandleA(nullptr));
  TPicture first = SelectorLayout(2, 3).Image;
  HANDLE mutex = PresenterMutex();
  ServerStart(GetModuleHandleA(nullptr));
  EXPECT_TRUE(SelectorLayout(2, 3).Image.SameObject(first));
  EXPECT_EQ(PresenterMutex(), mutex);
  ServerEnd();
  ExpectNothingLeft();
  // A later load starts afresh.
  ServerStart(GetModuleHandleA(nullptr));
  EXPECT_TRUE(SelectorLayout(2, 3).Image);
  EXPECT_FALSE(SelectorLayout(2, 3).Image.SameObject(first));
  ServerEnd();
}

TEST_F(LibraryLifetime, EndWithoutStartIsHarmless) {
  ServerEnd();
  ExpectNothingLeft();
}

TEST_F(LibraryLifetime, EndFreesProgressWindowsLeftBehind) {
  ServerStart(GetModuleHandleA(nullptr));
  TProgressForm& form = NewExportedProgressForm();
  SetGlobalProgressForm(&form);
  HWND window = form.Handle();
  ASSERT_TRUE(IsWindow(window));
  ServerEnd();
  EXPECT_FALSE(IsWindow(window));
  ExpectNothingLeft();
}

TEST_F(LibraryLifetime, TheDllHoldsTheMutexWhileLoaded) {
  ASSERT_FALSE(MutexExists());
  {
    TAddIn first;
    EXPECT_TRUE(MutexExists());
    {
      TAddIn second;  // a second load request of the same library
      EXPECT_EQ(second.Module(), first.Module());
    }
    EXPECT_TRUE(MutexExists());
  }
  EXPECT_FALSE(MutexExists());
}

TEST_F(LibraryLifetime, UnloadTakesTheProgressWindowsWithIt) {
  HWND window = nullptr;
  {
    TAddIn addIn;
    auto create = addIn.Fn<void*(__stdcall*)()>("CreateProgressObject");
    auto show = addIn.Fn<void(__stdcall*)(void*)>("ShowProgressObject");
    auto createGlobal = addIn.Fn<void(__stdcall*)()>("CreateProgressForm");
    void* form = create();
    ASSERT_NE(form, nullptr);
    show(form);
    window = FindWindowA("TRuvoWinControl", "Status");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    createGlobal();
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(FindWindowA("TRuvoWinControl", "Status"), nullptr);
  // A fresh load can register its window class and make windows again.
  TAddIn again;
  void* form = again.Fn<void*(__stdcall*)()>("CreateProgressObject")();
  EXPECT_NE(form, nullptr);
  again.Fn<void(__stdcall*)(void*)>("DestroyProgressObject")(form);
}

// The add-in may unload the library from a thread other than the one that made a window: that
// window must not call into the unloaded code when its own thread handles its messages.
namespace {
struct TWindowOwner {
  HANDLE made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE unloaded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  void*(__stdcall* create)() = nullptr;
  HWND window = nullptr;
  bool gone = false;
  ~TWindowOwner() {
    CloseHandle(made);
    CloseHandle(unloaded);
  }
};

// Makes a progress window, waits for the unload, then handles its messages for a while.
DWORD WINAPI OwnWindow(void* p) {
  auto& s = *static_cast<TWindowOwner*>(p);
  s.create();
  s.window = FindWindowA("TRuvoWinControl", "Status");
  SetEvent(s.made);
  WaitForSingleObject(s.unloaded, INFINITE);
  MSG msg;
  for (int i = 0; i < 50 && IsWindow(s.window); ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (IsWindow(s.window)) SendMessageA(s.window, WM_PAINT, 0, 0);
    Sleep(10);
  }
  s.gone = !IsWindow(s.window);
  return 0;
}
}  // namespace

TEST_F(LibraryLifetime, UnloadFromAnotherThreadLeavesNoWindowProcedureBehind) {
  TWindowOwner shared;
  HANDLE thread;
  {
    TAddIn addIn;
    shared.create = addIn.Fn<void*(__stdcall*)()>("CreateProgressObject");
    thread = CreateThread(nullptr, 0, OwnWindow, &shared, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(shared.made, 10000), WAIT_OBJECT_0);
    ASSERT_NE(shared.window, nullptr);
  }
  SetEvent(shared.unloaded);
  EXPECT_EQ(WaitForSingleObject(thread, 20000), WAIT_OBJECT_0);
  EXPECT_TRUE(shared.gone);
  CloseHandle(thread);
}

// OLE is initialised on the loading thread and released at the end; a thread whose COM already runs
// in the other mode keeps it as it was.
namespace {
struct TOleSeen {
  bool multithreaded;
  HRESULT whileStarted = E_FAIL, afterEnd = E_FAIL;
};

DWORD WINAPI StartAndEndOnThisThread(void* p) {
  auto& seen = *static_cast<TOleSeen*>(p);
  DWORD mode = seen.multithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED;
  if (seen.multithreaded) CoInitializeEx(nullptr, mode);
  ServerStart(GetModuleHandleA(nullptr));
  seen.whileStarted = CoInitializeEx(nullptr, mode);
  if (SUCCEEDED(seen.whileStarted)) CoUninitialize();
  ServerEnd();
  seen.afterEnd = CoInitializeEx(nullptr, mode);
  if (SUCCEEDED(seen.afterEnd)) CoUninitialize();
  if (seen.multithreaded) CoUninitialize();
  return 0;
}

TOleSeen RunOnThread(bool multithreaded) {
  TOleSeen seen{multithreaded};
  HANDLE thread = CreateThread(nullptr, 0, StartAndEndOnThisThread, &seen, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return seen;
}
}  // namespace

TEST_F(LibraryLifetime, OleRunsOnTheLoadingThreadWhileStarted) {
  TOleSeen apartment = RunOnThread(false);
  EXPECT_EQ(apartment.whileStarted, S_FALSE);  // already initialised by the start
  EXPECT_EQ(apartment.afterEnd, S_OK);         // released again by the end
  TOleSeen multithreaded = RunOnThread(true);
  EXPECT_EQ(multithreaded.whileStarted, S_FALSE);
  EXPECT_EQ(multithreaded.afterEnd, S_FALSE);  // the thread's own COM is not torn down
}
