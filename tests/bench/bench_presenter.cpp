// Benchmark (under Wine): the presenter's costs as the add-in meets them. CreatePresenter with
// ShowPresenter; LoadSelectorThumbnail of a 1920x1080 slide next to libpng alone decoding the
// same PNG; filling every slot; SetSelectorLevel 1 to 2 and back; a slide change on a slide-show
// screen (three new 1920x1080 slides until painted) next to inflating and decoding the same three
// blocks alone; the private memory after each.
// Usage: bench_presenter SLIDE.png WORKDIR
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>

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
    api.ClosePresenter();
    Settle();
    Report("ClosePresenter", 0);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
