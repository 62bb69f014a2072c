// Toolkit behaviour the screens' picture buttons and timers rely on: a control that swaps itself
// for its pressed twin keeps the press, a frame's timers start once its window exists, and the
// Unicode label draws its text and takes the mouse.
#include <gtest/gtest.h>

#include "Form.h"
#include "Frame.h"
#include "ScreenTools.h"
#include "Timer.h"
#include "TntLabel.h"

namespace {
struct TFacesForm : TForm {
  TFacesForm() : TForm(TBorderStyle::None, false) {
    SetBounds(100, 100, 400, 300);
    SetColor(RGB(255, 255, 255));
    Show();
    Settle(3);
  }
  POINT At(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(Handle(), &p);
    return p;
  }
};
}  // namespace

TEST(ToolkitFaces, AControlHiddenByItsOwnPressHandlerStillGetsTheReleaseAndTheClick) {
  TFacesForm form;
  TImage& up = form.Add<TImage>();
  up.SetBounds(0, 0, 100, 100);
  TImage& down = form.Add<TImage>();
  down.SetBounds(0, 0, 100, 100);
  down.Hide();
  std::string log;
  up.OnMouseDown = [&](TControl&, TMouseButton) { down.Show(), up.Hide(), log += "d"; };
  up.OnMouseUp = [&](TControl&, TMouseButton) { up.Show(), down.Hide(), log += "u"; };
  up.OnClick = [&](TControl&) { log += "c"; };
  POINT in = form.At(50, 50), out = form.At(300, 250);
  PressAt(in.x, in.y);
  EXPECT_TRUE(down.Visible());
  EXPECT_FALSE(up.Visible());
  ReleaseAt(in.x, in.y);
  EXPECT_EQ(log, "duc");
  EXPECT_TRUE(up.Visible());
  EXPECT_FALSE(down.Visible());
  PressAt(in.x, in.y, TButtonKind::Right);
  ReleaseAt(in.x, in.y, TButtonKind::Right);
  PressAt(in.x, in.y);
  ReleaseAt(out.x, out.y);
  EXPECT_EQ(log, "ducdudu");
  // Hidden by someone else while pressed: the release comes at once, as for any control.
  PressAt(in.x, in.y);
  down.Hide();
  up.Show();
  up.Hide();
  EXPECT_EQ(log, "ducdududu");
  ReleaseAt(in.x, in.y);
  EXPECT_EQ(log, "ducdududu");
}

TEST(ToolkitFaces, TimersOfAFrameMadeBeforeItsWindowTickOnceItHasOne) {
  TFacesForm form;
  auto made = std::make_unique<TFrame>();
  made->SetBounds(0, 0, 100, 100);
  int ticks = 0;
  TTimer timer(*made, 20);
  timer.OnTimer = [&](TTimer&) { ++ticks; };
  Settle(10);
  EXPECT_EQ(ticks, 0);  // no window yet
  TFrame& frame = form.Insert(std::move(made));
  for (int i = 0; i < 100 && ticks == 0; ++i) Settle(1);
  EXPECT_GT(ticks, 0);
  timer.SetEnabled(false);
  (void)frame;
}

TEST(ToolkitFaces, TheUnicodeLabelDrawsItsTextAndTakesTheMouse) {
  TFacesForm form;
  TImage& below = form.Add<TImage>();
  below.SetBounds(0, 0, 400, 300);
  int clicks = 0;
  below.OnClick = [&](TControl&) { ++clicks; };
  TTntLabel& label = form.Add<TTntLabel>();
  label.SetBounds(10, 10, 200, 100);
  label.SetTransparent(true);
  label.SetWordWrap(true);
  label.SetShowAccelChar(false);
  label.SetFont(TFontSpec{"Arial", -20, false, RGB(0, 0, 0)});
  RECT area{110, 110, 310, 210};
  label.SetCaption(L"");
  Settle();
  TCapture empty = CaptureScreen(area);
  label.SetCaption(
      L"Gr\x00FC\x00DF"
      L"e & \x03A9 \x2014 a line long enough to wrap");
  Settle();
  TCapture text = CaptureScreen(area);
  int dark = 0;
  for (int y = 0; y < text.height; ++y)
    for (int x = 0; x < text.width; ++x) dark += (text.At(x, y) & 0xFF) < 0x80;
  EXPECT_GT(dark, 50);
  EXPECT_NE(text.pixels, empty.pixels);
  // Word wrap: text on a second line.
  int secondLine = 0;
  for (int y = 40; y < 70; ++y)
    for (int x = 0; x < text.width; ++x) secondLine += (text.At(x, y) & 0xFF) < 0x80;
  EXPECT_GT(secondLine, 10);
  POINT on = form.At(50, 30), off = form.At(300, 250);
  ClickAt(on.x, on.y);
  EXPECT_EQ(clicks, 0);
  ClickAt(off.x, off.y);
  EXPECT_EQ(clicks, 1);
}
