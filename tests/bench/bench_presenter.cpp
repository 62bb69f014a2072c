// Benchmark (under Wine): the presenter's costs as the add-in meets them. CreatePresenter with
// ShowPresenter; LoadSelectorThumbnail of a 1920x1080 slide next to libpng alone decoding the
// same PNG; filling every slot; SetSelectorLevel 1 to 2 and back; a slide change on a slide-show
// screen (three new 1920x1080 slides until painted) next to inflating and decoding the same three
// blocks alone; the all-slides fill of a 300-slide deck (its ticks next to one slide inflated,
// decoded and shrunk alone, the latency of clicks posted during it, the memory it keeps); the
// private memory after each.
// Usage: bench_presenter SLIDE.png WORKDIR
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "LibpngAlone.h"
#include "ModuleWriter.h"
#include "PictureScale.h"
#include "PresenterApi.h"
#include "ScreenTools.h"

namespace {
using Clock = std::chrono::steady_clock;
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Committed private pages, region by region (Wine reports no PrivateUsage).
double PrivateMb() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    char* next = static_cast<char*>(info.BaseAddress) + info.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return double(total) / 1048576.0;
}

void Report(const char* step, double ms) { std::printf("%-44s %8.1f ms   private %7.1f MB\n", step, ms, PrivateMb()); }

// Inflates a module block with zlib alone, then decodes the PNG in it with libpng alone.
double InflateAndDecode(const std::vector<uint8_t>& file, int32_t offset, int32_t size) {
  auto t0 = Clock::now();
  std::vector<uint8_t> png(static_cast<size_t>(size));
  uLongf length = uLongf(size);
  uncompress(png.data(), &length, file.data() + offset, uLong(file.size() - size_t(offset)));
  png.resize(length);
  return Ms(Clock::now() - t0) + LibpngAloneMs(png);
}

// UpdateSlideImagesIndex on a shown slide-show screen, each run with three new slides, until the
// window has painted; against the same three blocks inflated and decoded alone.
void SlideChange(TPresenterApi& api, TModuleApi& modules, const TTempDir& dir, const char* slidePng) {
  std::string path = WriteTestModule(modules, dir, "Slides", 5, 0, 0, std::vector<std::string>(5, slidePng));
  std::vector<uint8_t> file = ReadFileBytes(path);
  TOpenModule deck(modules, path);
  api.CreateSSWForm("Bench", deck.Module, deck.File);
  api.ShowPresenterFrame("Bench");
  HWND main = FindWindowA("TRuvoWinControl", "Ruvo Presenter");
  Settle();
  const int kRuns = 6;
  double best = 1e9, bestAlone = 1e9, same = 1e9, paint = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    int32_t current = 2 + run % 2;
    auto t0 = Clock::now();
    api.UpdateSlideImagesIndex("Bench", current, current - 1, current + 1);
    auto t1 = Clock::now();
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    auto t2 = Clock::now();
    if (Ms(t2 - t0) < best) best = Ms(t2 - t0), paint = Ms(t2 - t1);
    t0 = Clock::now();
    api.UpdateSlideImagesIndex("Bench", current, current - 1, current + 1);
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    same = std::min(same, Ms(Clock::now() - t0));
    double alone = 0;
    for (int32_t n = current - 1; n <= current + 1; ++n) {
      int32_t index = 0, offset = 0, size = 0, compressed = 0;
      modules.GetSlide(deck.Module, n, &index, &offset, &size, &compressed);
      alone += InflateAndDecode(file, offset, size);
    }
    bestAlone = std::min(bestAlone, alone);
    Settle(2);
  }
  Report("slide change, 3 new 1920x1080 slides (best)", best);
  std::printf("%-44s %8.1f ms   ratio %.2f (best of %d each)\n", "  the 3 blocks inflated + libpng alone", bestAlone,
              best / bestAlone, kRuns);
  std::printf("%-44s %8.1f ms\n", "  of which the paint", paint);
  std::printf("%-44s %8.2f ms\n", "  a call with the current slide unchanged", same);
  api.DestroySSWForm("Bench");
}

// Posts clicks to a window from a thread of its own, now and then, each once the one before has
// been answered, as a speaker's clicks arrive while the fill runs.
class TClicker {
 public:
  TClicker(HWND window, POINT client) : window_(window), client_(client) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~TClicker() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  TClicker(const TClicker&) = delete;
  TClicker& operator=(const TClicker&) = delete;
  // The time the pending click was posted; false when none is pending.
  bool Pending(Clock::time_point& posted) const {
    if (!pending_) return false;
    posted = posted_;
    return true;
  }
  void Answered() { InterlockedExchange(&pending_, 0); }

 private:
  static DWORD WINAPI Run(void* p) {
    auto* self = static_cast<TClicker*>(p);
    while (!self->stop_) {
      Sleep(137);  // out of step with the 50 ms ticks
      if (self->pending_) continue;
      self->posted_ = Clock::now();
      InterlockedExchange(&self->pending_, 1);
      LPARAM at = MAKELPARAM(self->client_.x, self->client_.y);
      PostMessageA(self->window_, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageA(self->window_, WM_LBUTTONUP, 0, at);
    }
    return 0;
  }
  HWND window_;
  POINT client_;
  HANDLE thread_;
  Clock::time_point posted_;
  volatile LONG pending_ = 0;
  volatile LONG stop_ = 0;
};

// Posts a left click at a screen point to the window there.
void PostClick(POINT at) {
  HWND w = WindowFromPoint(at);
  ScreenToClient(w, &at);
  PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// Durations of one kind of step.
struct TTimes {
  std::vector<double> ms;
  void Add(double t) { ms.push_back(t); }
  int Count() const { return int(ms.size()); }
  double Mean() const {
    double total = 0;
    for (double t : ms) total += t;
    return ms.empty() ? 0 : total / double(ms.size());
  }
  double Median() const {
    if (ms.empty()) return 0;
    std::vector<double> sorted(ms);
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
  }
  double Longest() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// The fill of a 300-slide deck's thumbnails with page 1 on view: every timer tick timed (the fill's
// timer is the one that ticks most) and every paint; after every 15th timer tick one slide
// inflated, decoded by libpng and shrunk alone, so that both meet the same load on the machine;
// clicks on slide 1's cell posted from another thread and timed until the add-in can read their
// command (a click that waited for such a baseline run is not counted).
void AllSlidesFill(TPresenterApi& api, TModuleApi& modules, const TTempDir& dir, const char* slidePng) {
  const int kSlides = 300;
  std::string path =
      WriteTestModule(modules, dir, "Deck300", kSlides, 0, 0, std::vector<std::string>(kSlides, slidePng));
  std::vector<uint8_t> file = ReadFileBytes(path);
  std::vector<uint8_t> png = ReadFileBytes(slidePng);
  TOpenModule deck(modules, path);
  int32_t index = 0, offset = 0, size = 0, compressed = 0;
  modules.GetSlide(deck.Module, 1, &index, &offset, &size, &compressed);
  TTimes alone, shrinks;
  auto baseline = [&] {
    double decode = InflateAndDecode(file, offset, size);
    TPicture picture = DecodePng(png.data(), png.size());
    auto t0 = Clock::now();
    TPicture cell = ShrinkToFit(picture, 120, 90);
    double shrink = Ms(Clock::now() - t0);
    alone.Add(decode + shrink);
    shrinks.Add(shrink);
  };
  Settle();
  double empty = PrivateMb();

  api.CreateSSWForm("Deck300", deck.Module, deck.File);
  api.ShowPresenterFrame("Deck300");
  // Painted without handling posted messages: no tick yet. What the pages keep is measured from here.
  RedrawWindow(FindWindowA("TRuvoWinControl", "Ruvo Presenter"), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  double before = PrivateMb();
  // The toggle shows page 1.
  const POINT cell1{60 + 60, 80 + 9 + 45};
  HWND view = WindowFromPoint(cell1);
  PostClick(POINT{135, 42});

  std::map<std::pair<HWND, WPARAM>, TTimes> timers;
  TTimes paints, clicks;
  auto fillTicks = [&] {
    int most = 0;
    for (const auto& t : timers) most = std::max(most, t.second.Count());
    return most;
  };
  std::unique_ptr<TClicker> clicker;
  Clock::time_point baselineEnd{};
  int timerMessages = 0;
  auto t0 = Clock::now();
  MSG msg;
  while (fillTicks() < kSlides && Ms(Clock::now() - t0) < 900000) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    auto d0 = Clock::now();
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    double ms = Ms(Clock::now() - d0);
    if (msg.message == WM_TIMER) {
      timers[{msg.hwnd, msg.wParam}].Add(ms);
      if (++timerMessages % 15 == 0) {
        baseline();
        baselineEnd = Clock::now();
      }
    }
    if (msg.message == WM_PAINT) paints.Add(ms);
    // Clicks on slide 1's cell once page 1 is on view.
    if (!clicker && WindowFromPoint(cell1) != view) {
      POINT client = cell1;
      HWND page = WindowFromPoint(cell1);
      ScreenToClient(page, &client);
      clicker = std::make_unique<TClicker>(page, client);
    }
    Clock::time_point posted;
    if (clicker && clicker->Pending(posted) && ReadCommand(api).Id == 9) {
      if (posted > baselineEnd) clicks.Add(Ms(Clock::now() - posted));
      clicker->Answered();
    }
  }
  clicker.reset();
  double fill = Ms(Clock::now() - t0);
  TTimes ticks;
  for (const auto& t : timers)
    if (t.second.Count() == fillTicks()) ticks = t.second;
  Settle();
  double after = PrivateMb();
  const double thumbs = kSlides * 120.0 * 90 * 4 / 1048576.0, background = 1280.0 * 944 * 4 / 1048576.0;

  Report("all-slides fill, 300 slides 1920x1080", fill);
  std::printf("%-44s %8.1f ms   median %.1f ms, longest %.1f ms, %d ticks\n", "  mean tick", ticks.Mean(),
              ticks.Median(), ticks.Longest(), ticks.Count());
  std::printf("%-44s %8.1f ms   median %.1f ms, %d runs between the ticks\n",
              "  one slide inflated + libpng + shrink alone", alone.Mean(), alone.Median(), alone.Count());
  std::printf("%-44s %8.2f      median %.2f (target 1.2)\n", "  ratio, mean tick / mean alone",
              ticks.Mean() / alone.Mean(), ticks.Median() / alone.Median());
  std::printf("%-44s %8.1f ms\n", "    of which the shrink to 120x90", shrinks.Mean());
  std::printf("%-44s %8.1f ms   longest %.1f ms, %d paints\n", "  mean paint during the fill", paints.Mean(),
              paints.Longest(), paints.Count());
  std::printf("%-44s %8.1f ms   longest %.1f ms, %d clicks (longest tick %.1f ms)\n",
              "  click posted to command readable, mean", clicks.Mean(), clicks.Longest(), clicks.Count(),
              ticks.Longest());
  std::printf("%-44s %8.1f MB\n", "  private memory of the screen before the fill", before - empty);
  std::printf("%-44s %8.1f MB   thumbnails' own pixels %.1f MB; target %.1f MB (2x + 1 page background)\n",
              "  private memory kept by the screen", after - before, thumbs, 2 * thumbs + background);
  // Every page shown once: every thumbnail and page background painted.
  ReadCommand(api);
  for (int page = 2; page <= 6; ++page) {
    PostClick(POINT{60 + 8 * 130 + 60, 80 + 9 + 5 * 153 + 45});  // the next-page arrow
    Settle(3);
  }
  Settle();
  double shown = PrivateMb();
  std::printf("%-44s %8.1f MB   target %.1f MB (2x + 6 page backgrounds)\n", "  the same after every page was shown",
              shown - before, 2 * thumbs + 6 * background);
  api.DestroySSWForm("Deck300");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_presenter SLIDE.png WORKDIR\n");
    return 2;
  }
  try {
    std::vector<uint8_t> png = ReadFileBytes(argv[1]);
    TAddIn addIn;
    TPresenterApi api(addIn);
    TModuleApi modules(addIn);
    TTempDir dir;
    std::string path = WriteTestModule(modules, dir, "Bench", 1, 0, 0, {argv[1]});
    TOpenModule deck(modules, path);
    Report("library loaded", 0);

    auto t0 = Clock::now();
    api.CreatePresenter();
    api.ShowPresenter();
    Settle(1);
    Report("CreatePresenter + ShowPresenter", Ms(Clock::now() - t0));
    Settle();

    const int kRuns = 5;
    double best = 1e9, bestPng = 1e9;
    for (int run = 0; run < kRuns; ++run) {
      t0 = Clock::now();
      api.LoadSelectorThumbnail(1, deck.Module, deck.File, 1, path.c_str());
      best = std::min(best, Ms(Clock::now() - t0));
      bestPng = std::min(bestPng, LibpngAloneMs(png));
    }
    Report("LoadSelectorThumbnail, 1920x1080 (best)", best);
    std::printf("%-44s %8.1f ms   ratio %.2f (best of %d each)\n", "libpng alone, same PNG", bestPng, best / bestPng,
                kRuns);
    // Where the time goes: the library's decoder and the one shrink; a call that changes nothing.
    double decode = 1e9, shrink = 1e9, repaint = 1e9;
    for (int run = 0; run < kRuns; ++run) {
      t0 = Clock::now();
      TPicture picture = DecodePng(png.data(), png.size());
      decode = std::min(decode, Ms(Clock::now() - t0));
      t0 = Clock::now();
      TPicture small = ShrinkToFit(picture, 320, 240);
      shrink = std::min(shrink, Ms(Clock::now() - t0));
      t0 = Clock::now();
      api.SwapSelectorThumbnail(0, 0);  // changes nothing: only brings the window up to date
      repaint = std::min(repaint, Ms(Clock::now() - t0));
    }
    std::printf("%-44s %8.1f ms\n%-44s %8.1f ms\n%-44s %8.1f ms\n", "  of which the decoder", decode,
                "  the shrink to 320x240", shrink, "  a swap that changes nothing", repaint);

    int32_t columns = 0, rows = 0;
    api.GetSelectorDimensions(2, &columns, &rows);
    t0 = Clock::now();
    for (int slot = 2; slot <= columns * rows; ++slot)
      api.LoadSelectorThumbnail(slot, deck.Module, deck.File, 1, path.c_str());
    Report("every other slot of level 2 filled (at level 1)", Ms(Clock::now() - t0));
    for (int round = 0; round < 2; ++round) {
      t0 = Clock::now();
      api.SetSelectorLevel(2);
      Report("SetSelectorLevel 2", Ms(Clock::now() - t0));
      t0 = Clock::now();
      api.SetSelectorLevel(1);
      Report("SetSelectorLevel 1", Ms(Clock::now() - t0));
    }
    SlideChange(api, modules, dir, argv[1]);
    AllSlidesFill(api, modules, dir, argv[1]);
    api.ClosePresenter();
    Settle();
    Report("ClosePresenter", 0);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
