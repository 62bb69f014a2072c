// The control toolkit in this process: mouse capture and clicks on windowless controls, timers,
// anchors, modal forms, and freeing a control from inside its own handler.
#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "Form.h"
#include "Frame.h"
#include "ScreenTools.h"
#include "Timer.h"

namespace {
struct TToolkitForm : TForm {
  TToolkitForm() : TForm(TBorderStyle::None, false) {
    SetBounds(100, 100, 400, 300);
    Show();
    Settle(3);
  }
};

POINT ScreenPoint(TWinControl& w, int x, int y) {
  POINT p{x, y};
  ClientToScreen(w.Handle(), &p);
  return p;
}
}  // namespace

TEST(Toolkit, ThePressedControlGetsTheReleaseAndOnlyALeftReleaseOverItClicks) {
  TToolkitForm form;
  TImage& below = form.Add<TImage>();
  below.SetBounds(0, 0, 200, 200);
  TLabel& above = form.Add<TLabel>();  // no handlers: it still takes the mouse
  above.SetBounds(50, 50, 50, 50);
  TImage& hidden = form.Add<TImage>();
  hidden.SetBounds(0, 0, 200, 200);
  hidden.Hide();
  std::string log;
  below.OnMouseDown = [&](TControl&, TMouseButton b) { log += b == TMouseButton::Left ? "d" : "D"; };
  below.OnMouseUp = [&](TControl&, TMouseButton b) { log += b == TMouseButton::Left ? "u" : "U"; };
  below.OnClick = [&](TControl&) { log += "c"; };

  POINT in = ScreenPoint(form, 10, 10), onLabel = ScreenPoint(form, 60, 60), out = ScreenPoint(form, 300, 250);
  ClickAt(in.x, in.y);
  EXPECT_EQ(log, "duc");
  ClickAt(in.x, in.y, TButtonKind::Right);
  EXPECT_EQ(log, "ducDU");
  ClickAt(onLabel.x, onLabel.y);
  EXPECT_EQ(log, "ducDU");
  // Released elsewhere: the release still comes, the click does not.
  PressAt(in.x, in.y);
  ReleaseAt(out.x, out.y);
  EXPECT_EQ(log, "ducDUdu");
  // Hidden while pressed: the release comes at once.
  PressAt(in.x, in.y);
  below.Hide();
  EXPECT_EQ(log, "ducDUdudu");
  ReleaseAt(in.x, in.y);
  EXPECT_EQ(log, "ducDUdudu");
}

TEST(Toolkit, TimersTickThroughTheirWindowUntilStopped) {
  TToolkitForm form;
  int ticks = 0;
  {
    TTimer timer(form, 20);
    timer.OnTimer = [&](TTimer& t) {
      if (++ticks == 3) t.SetEnabled(false);
    };
    for (int i = 0; i < 100 && ticks < 3; ++i) Settle(1);
    Settle(10);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(true);
    for (int i = 0; i < 100 && ticks < 4; ++i) Settle(1);
    EXPECT_GE(ticks, 4);
  }
  int after = ticks;
  Settle(10);
  EXPECT_EQ(ticks, after);  // freed: no more ticks
}

TEST(Toolkit, AnchoredControlsFollowTheirFrameAndTheResizeNoticeComesAfter) {
  TToolkitForm form;
  TFrame& frame = form.Insert(std::make_unique<TFrame>());
  frame.SetBounds(0, 0, 200, 100);
  TImage& right = frame.Add<TImage>();
  right.SetBounds(150, 10, 40, 20);
  right.SetAnchors(akRight | akTop);
  TImage& free = frame.Add<TImage>();
  free.SetBounds(80, 40, 40, 20);
  free.SetAnchors(0);
  TBounds seen;
  frame.OnResize = [&](TWinControl&) { seen = right.Bounds(); };
  frame.SetBounds(0, 0, 300, 200);
  EXPECT_EQ(right.Bounds(), (TBounds{250, 10, 40, 20}));
  EXPECT_EQ(seen, right.Bounds());
  EXPECT_EQ(free.Bounds(), (TBounds{130, 90, 40, 20}));
}

TEST(Toolkit, EnterAndEscEndAModalFormThroughItsButtons) {
  TToolkitForm owner;
  for (int key : {VK_RETURN, VK_ESCAPE}) {
    TForm dialog(TBorderStyle::Dialog, true, &owner);
    dialog.SetCaption("Toolkit dialog");
    TButton& ok = dialog.Add<TButton>();
    ok.SetBounds(10, 10, 80, 25);
    TButton& cancel = dialog.Add<TButton>();
    cancel.SetBounds(100, 10, 80, 25);
    ok.OnClick = [&](TButton&) { dialog.SetModalResult(IDOK); };
    cancel.OnClick = [&](TButton&) { dialog.SetModalResult(IDCANCEL); };
    dialog.SetDefaultButton(&ok);
    dialog.SetCancelButton(&cancel);
    TWindowWatcher press("TRuvoWinControl", "Toolkit dialog",
                         [key](HWND w) { PostMessageA(w, WM_KEYDOWN, WPARAM(key), 1); });
    int result = dialog.ShowModal();
    EXPECT_EQ(result, key == VK_RETURN ? IDOK : IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  }
}

// A click handler that frees the frame it runs in: the frame goes once the handler has returned.
TEST(Toolkit, AControlFreedFromItsOwnHandlerGoesAfterwards) {
  TToolkitForm form;
  TFrame& frame = form.Insert(std::make_unique<TFrame>());
  frame.SetBounds(0, 0, 200, 100);
  TImage& button = frame.Add<TImage>();
  button.SetBounds(0, 0, 100, 100);
  HWND frameWindow = frame.Handle();
  bool freedInside = true;
  button.OnClick = [&](TControl&) {
    frame.Hide();
    DisposeWhenIdle(form.Extract(frame));
    freedInside = !IsWindow(frameWindow);
  };
  POINT p = ScreenPoint(form, 10, 10);
  ClickAt(p.x, p.y);
  EXPECT_FALSE(freedInside);
  EXPECT_FALSE(IsWindow(frameWindow));
}
