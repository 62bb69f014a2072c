// The progress window: its layout, its interface, the exports that drive it, and what it shows.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AddIn.h"
#include "Application.h"
#include "ProgressStatusUnit.h"
#include "ScreenTools.h"

extern "C" {
TProgressForm* __stdcall CreateProgressObject();
void __stdcall DestroyProgressObject(TProgressForm* form);
void __stdcall SetProgressObjectText(TProgressForm* form, const char* text);
void __stdcall ShowProgressObject(TProgressForm* form);
void __stdcall CreateProgressForm();
void __stdcall DestroyProgressForm();
void __stdcall ShowProgressForm();
void __stdcall SetProgressParams(int32_t position, int32_t min, int32_t max, const char* text);
void __stdcall SetProgressStatus(int32_t position);
void __stdcall SetProgressText(const char* text);
}

namespace {

const char kLongText[] =
    "Exporting slide 12 of 48 of \"Quarterly review for all regions.ppt\" into the module next to the "
    "presentation, then copying the module into the presentation's folder so that the presenter can open it "
    "later from the selector; this last part of the text lies beyond the label and is cut off.";

PBRANGE Range(HWND bar) {
  PBRANGE r{};
  SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&r));
  return r;
}

int Pos(HWND bar) { return int(SendMessageA(bar, PBM_GETPOS, 0, 0)); }

RECT ClientBoundsOf(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Counts the paints a window receives and notes what the form held at the first one.
struct TPaintSpy {
  static TPaintSpy* current;
  HWND window;
  WNDPROC old;
  TProgressForm* form;
  int paints = 0;
  std::string textAtPaint;
  int positionAtPaint = -1;

  explicit TPaintSpy(TProgressForm* f) : window(f->Handle()), form(f) {
    current = this;
    old = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TPaintSpy() {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    current = nullptr;
  }
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    TPaintSpy* self = current;
    if (msg == WM_PAINT && ++self->paints == 1) {
      self->textAtPaint = self->form->StatusLabel.Caption();
      self->positionAtPaint = Pos(self->form->ProgressBar.Handle());
    }
    return CallWindowProcA(self->old, w, msg, wp, lp);
  }
};
TPaintSpy* TPaintSpy::current = nullptr;

class ProgressExports : public ::testing::Test {
 protected:
  void TearDown() override { FreeExportedProgressForms(); }
};

bool IsDark(uint32_t rgb) { return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 240; }

}  // namespace

TEST(ProgressForm, IsLaidOutAsDesignedAndCreatedHidden) {
  TProgressForm form;
  HWND w = form.Handle();
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(GetParent(w), nullptr);
  EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
  EXPECT_EQ(form.Caption(), "Status");
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 482);
  EXPECT_EQ(client.bottom, 90);
  LONG style = GetWindowLongA(w, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_EQ(form.Font().Name, "Tahoma");
  EXPECT_EQ(form.Font().Height, FontHeightForPoints(8));

  EXPECT_EQ(form.Bevel1.Left(), 0);
  EXPECT_EQ(form.Bevel1.Width(), 482);
  EXPECT_EQ(form.Bevel1.Height(), 90);
  EXPECT_EQ(form.StatusLabel.Left(), 16);
  EXPECT_EQ(form.StatusLabel.Top(), 16);
  EXPECT_EQ(form.StatusLabel.Width(), 449);
  EXPECT_EQ(form.StatusLabel.Height(), 36);
  EXPECT_TRUE(form.StatusLabel.WordWrap());
  EXPECT_EQ(form.StatusLabel.Caption(), "Status:");

  HWND bar = form.ProgressBar.Handle();
  char cls[64] = "";
  GetClassNameA(bar, cls, sizeof cls);
  EXPECT_STREQ(cls, PROGRESS_CLASSA);
  RECT b = ClientBoundsOf(bar);
  EXPECT_EQ(b.left, 16);
  EXPECT_EQ(b.top, 58);
  EXPECT_EQ(b.right - b.left, 449);
  EXPECT_EQ(b.bottom - b.top, 17);
  EXPECT_EQ(Range(bar).iLow, 0);
  EXPECT_EQ(Range(bar).iHigh, 100);
  EXPECT_EQ(Pos(bar), 0);
}

TEST(ProgressForm, SetParamsSetsTheRangeBeforeThePosition) {
  TProgressForm form;
  HWND bar = form.ProgressBar.Handle();
  form.SetParams(500, 0, 1000);  // 500 is outside the old range 0..100
  EXPECT_EQ(Range(bar).iLow, 0);
  EXPECT_EQ(Range(bar).iHigh, 1000);
  EXPECT_EQ(Pos(bar), 500);
  form.SetPosition(750);
  EXPECT_EQ(Pos(bar), 750);
  form.SetText("Copying the module");
  EXPECT_EQ(form.StatusLabel.Caption(), "Copying the module");
  form.SetText(nullptr);
  EXPECT_EQ(form.StatusLabel.Caption(), "");
}

TEST(ProgressForm, InterfaceCountsNoReferencesAndAnswersItsZeroId) {
  TProgressForm form;
  IProgressStatus* status = &form;
  EXPECT_EQ(status->AddRef(), ULONG(-1));
  EXPECT_EQ(status->Release(), ULONG(-1));
  EXPECT_EQ(status->Release(), ULONG(-1));
  EXPECT_TRUE(IsWindow(form.Handle()));

  void* found = nullptr;
  EXPECT_EQ(status->QueryInterface(IID_IProgressStatus, &found), S_OK);
  EXPECT_EQ(found, static_cast<void*>(status));
  EXPECT_EQ(status->QueryInterface(IID_IUnknown, &found), S_OK);
  EXPECT_EQ(found, static_cast<void*>(status));
  EXPECT_EQ(status->QueryInterface(IID_IDispatch, &found), E_NOINTERFACE);
  EXPECT_EQ(found, nullptr);

  // Through the interface's own slots, as the export code will call them.
  status->SetParams(3, 0, 4);
  EXPECT_EQ(Pos(form.ProgressBar.Handle()), 3);
  status->SetText("Step two");
  EXPECT_EQ(form.StatusLabel.Caption(), "Step two");
  status->Refresh();
}

namespace {
int gTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++gTicks; }
}  // namespace

TEST(ProgressForm, ProcessMessagesHandlesWhatIsPendingAndKeepsAQuitRequest) {
  TProgressForm form;
  gTicks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTick);
  Sleep(30);
  form.ProcessMessages();
  KillTimer(nullptr, timer);
  EXPECT_GE(gTicks, 1);

  PostQuitMessage(7);
  form.ProcessMessages();
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(ProgressExports, GlobalFamilyDoesNothingWithoutAWindow) {
  TMessageBoxWatcher boxes;
  ShowProgressForm();
  SetProgressParams(1, 0, 2, "text");
  SetProgressStatus(1);
  SetProgressText("text");
  DestroyProgressForm();
  CreateProgressForm();
  DestroyProgressForm();
  SetProgressParams(1, 0, 2, "text");
  SetProgressText("text");
  EXPECT_EQ(GlobalProgressForm(), nullptr);
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ProgressExports, ARecreatedGlobalWindowStartsFresh) {
  CreateProgressForm();
  ShowProgressForm();
  SetProgressParams(40, 0, 50, "Writing slides");
  HWND old = GlobalProgressForm()->Handle();
  DestroyProgressForm();
  EXPECT_FALSE(IsWindow(old));
  CreateProgressForm();
  TProgressForm* fresh = GlobalProgressForm();
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(IsWindowVisible(fresh->Handle()));
  EXPECT_EQ(fresh->StatusLabel.Caption(), "Status:");
  EXPECT_EQ(Pos(fresh->ProgressBar.Handle()), 0);
  EXPECT_EQ(Range(fresh->ProgressBar.Handle()).iHigh, 100);
}

TEST_F(ProgressExports, ACreateOverALiveGlobalWindowLeavesTheOldOneAlone) {
  CreateProgressForm();
  TProgressForm* first = GlobalProgressForm();
  CreateProgressForm();
  TProgressForm* second = GlobalProgressForm();
  EXPECT_NE(first, second);
  SetProgressText("to the second");
  EXPECT_EQ(second->StatusLabel.Caption(), "to the second");
  EXPECT_EQ(first->StatusLabel.Caption(), "Status:");
  DestroyProgressForm();
  EXPECT_TRUE(IsWindow(first->Handle()));
  EXPECT_EQ(GlobalProgressForm(), nullptr);
}

TEST_F(ProgressExports, SetProgressParamsRepaintsOnceWithTextRangeAndPositionInPlace) {
  CreateProgressForm();
  ShowProgressForm();
  Settle();
  TPaintSpy spy(GlobalProgressForm());
  SetProgressParams(500, 0, 1000, "Half way");
  EXPECT_EQ(spy.paints, 1);
  EXPECT_EQ(spy.textAtPaint, "Half way");
  EXPECT_EQ(spy.positionAtPaint, 500);

  spy.paints = 0;
  SetProgressStatus(600);
  EXPECT_EQ(spy.paints, 1);
  spy.paints = 0;
  SetProgressText("Almost done");
  EXPECT_EQ(spy.paints, 1);
  EXPECT_EQ(spy.textAtPaint, "Almost done");
}

TEST_F(ProgressExports, ObjectsAreIndependentAndAFreedHandleIsIgnored) {
  TProgressForm* a = CreateProgressObject();
  TProgressForm* b = CreateProgressObject();
  ASSERT_TRUE(a && b);
  EXPECT_NE(a, b);
  EXPECT_FALSE(IsWindowVisible(a->Handle()));
  SetProgressObjectText(a, "first");
  EXPECT_EQ(a->StatusLabel.Caption(), "first");
  EXPECT_EQ(b->StatusLabel.Caption(), "Status:");
  ShowProgressObject(b);
  EXPECT_TRUE(IsWindowVisible(b->Handle()));
  EXPECT_FALSE(IsWindowVisible(a->Handle()));
  EXPECT_EQ(GlobalProgressForm(), nullptr);

  HWND window = a->Handle();
  DestroyProgressObject(a);
  EXPECT_FALSE(IsWindow(window));
  SetProgressObjectText(a, "gone");
  ShowProgressObject(a);
  DestroyProgressObject(a);
  DestroyProgressObject(nullptr);
  EXPECT_TRUE(IsWindow(b->Handle()));
  DestroyProgressObject(b);
}

TEST_F(ProgressExports, ShownWindowIsCentredOnThePrimaryScreen) {
  TProgressForm* form = CreateProgressObject();
  ShowProgressObject(form);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

// Through the DLL as the add-in drives it; the picture is saved as progress-window.png.
TEST(ProgressWindow, ShowsWrappedTextAndAHalfFullBar) {
  TAddIn addIn;
  TMessageBoxWatcher boxes;
  addIn.Fn<void(__stdcall*)()>("CreateProgressForm")();
  addIn.Fn<void(__stdcall*)()>("ShowProgressForm")();
  addIn.Fn<void(__stdcall*)(int32_t, int32_t, int32_t, const char*)>("SetProgressParams")(500, 0, 1000, kLongText);
  Settle();

  HWND w = FindWindowA("TRuvoWinControl", "Status");
  ASSERT_NE(w, nullptr);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 482);
  EXPECT_EQ(client.bottom, 90);
  RECT frame;
  GetWindowRect(w, &frame);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  TCapture shot = CaptureScreen(frame);
  SaveScreenshot("progress-window.png", shot);
  auto at = [&](int x, int y) { return shot.At(origin.x - frame.left + x, origin.y - frame.top + y); };
  auto darkIn = [&](int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += IsDark(at(x, y));
    return n;
  };

  // Two full lines of text inside the label, nothing between the label and the bar, nothing
  // to the right of the label.
  EXPECT_GT(darkIn(16, 16, 465, 29), 100);
  EXPECT_GT(darkIn(16, 29, 465, 42), 100);
  EXPECT_EQ(darkIn(16, 52, 465, 58), 0);
  EXPECT_EQ(darkIn(466, 16, 480, 52), 0);

  // The bar is filled in its left half and empty in its right half.
  COLORREF fill = GetSysColor(COLOR_HIGHLIGHT);
  uint32_t fillRgb = (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
  int left = 0, right = 0;
  for (int x = 18; x < 240; ++x) left += at(x, 66) == fillRgb;
  for (int x = 242; x < 463; ++x) right += at(x, 66) == fillRgb;
  EXPECT_GT(left, 222 / 2);
  EXPECT_LT(right, 10);

  addIn.Fn<void(__stdcall*)()>("DestroyProgressForm")();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(boxes.Texts().empty());
}
