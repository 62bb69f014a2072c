// The launcher's splash window in this process: its layout, its picture and status line, the
// progress interface, and the rule that it hides only once the run is done and five seconds
// have passed, sleeping rather than spinning while it waits.
#include <gtest/gtest.h>

#include "ScreenTools.h"
#include "launcher/SplashUnit.h"

namespace {

DWORD Elapsed(DWORD since) { return GetTickCount() - since; }

// Handles messages for about that long.
void PumpFor(DWORD ms) {
  for (DWORD start = GetTickCount(); Elapsed(start) < ms;) Settle(1);
}

double ThreadCpuSeconds() {
  FILETIME created, ended, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  auto seconds = [](const FILETIME& f) { return double(uint64_t(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

}  // namespace

TEST(Splash, ShowsItsPictureAndStatusLineAndServesTheProgressInterface) {
  TSplashForm splash;
  EXPECT_FALSE(splash.Visible());
  EXPECT_EQ(splash.ProgressLabel.Caption(), "");
  EXPECT_EQ(splash.ClientWidth(), 384);
  EXPECT_EQ(splash.ClientHeight(), 283);
  EXPECT_EQ(GetWindowLongA(splash.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_FALSE(splash.Timer.Enabled());

  IProgressStatus* progress = nullptr;
  ASSERT_EQ(splash.QueryInterface(IID_IProgressStatus, reinterpret_cast<void**>(&progress)), S_OK);
  progress->SetText("Status: Starting Microsoft Office PowerPoint...");
  progress->SetParams(3, 0, 10);
  progress->SetPosition(7);
  progress->Refresh();
  EXPECT_EQ(splash.ProgressLabel.Caption(), "Status: Starting Microsoft Office PowerPoint...");
  EXPECT_EQ(progress->Release(), ULONG(-1));

  splash.ShowSplash();
  EXPECT_TRUE(splash.Timer.Enabled());
  Settle();
  RECT r;
  GetWindowRect(splash.Handle(), &r);
  TCapture shot = CaptureScreen(r);
  SaveScreenshot("splash-window.png", shot);
  // The strip below the picture is the window's colour with the cream status text on it; the
  // picture above it is not one flat colour.
  const uint32_t window = 0x534845, cream = 0xFFFBF0;
  EXPECT_EQ(shot.At(2, 280), window);
  EXPECT_EQ(shot.At(380, 262), window);
  int creamish = 0, different = 0;
  for (int y = 264; y < 277; ++y)
    for (int x = 8; x < 300; ++x) creamish += shot.At(x, y) == cream;
  for (int y = 0; y < 256; y += 8)
    for (int x = 0; x < 384; x += 8) different += shot.At(x, y) != shot.At(0, 0);
  EXPECT_GT(creamish, 20);
  EXPECT_GT(different, 100);

  progress->SetText(nullptr);
  EXPECT_EQ(splash.ProgressLabel.Caption(), "");
  splash.Hide();
}

TEST(Splash, WaitUntilHiddenEndsFiveSecondsAfterShowingAndSleepsMeanwhile) {
  TSplashForm splash;
  DWORD shown = GetTickCount();
  splash.ShowSplash();
  PumpFor(1000);
  double cpu = ThreadCpuSeconds();
  DWORD waitStart = GetTickCount();
  splash.WaitUntilHidden();
  DWORD waited = Elapsed(waitStart), total = Elapsed(shown);
  EXPECT_FALSE(splash.Visible());
  EXPECT_FALSE(IsWindowVisible(splash.Handle()));
  EXPECT_GE(total, 4950u);
  EXPECT_LT(total, 8000u);
  EXPECT_GE(waited, 3000u);
  // Four seconds of waiting cost far less than four seconds of the processor.
  EXPECT_LT(ThreadCpuSeconds() - cpu, 1.0);
}

TEST(Splash, AfterTheFirstTickItStaysUntilDoneThenHidesAtOnce) {
  TSplashForm splash;
  splash.ShowSplash();
  splash.SetDone(true);
  splash.SetDone(false);  // taken back before the tick: nothing hides
  PumpFor(6000);
  EXPECT_TRUE(splash.Visible());  // the tick alone leaves it up
  splash.SetDone(false);
  EXPECT_TRUE(splash.Visible());
  DWORD start = GetTickCount();
  splash.WaitUntilHidden();
  EXPECT_LT(Elapsed(start), 3000u);  // not the next tick, five seconds on
  EXPECT_FALSE(splash.Visible());
  // Later ticks change nothing.
  PumpFor(100);
  EXPECT_FALSE(splash.Visible());
}
