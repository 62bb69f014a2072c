// Benchmark: the presentation export of 60 slides of 1920x1080 (a text-like and a photo-like set)
// through the DLL with the PowerPoint double, less the double's own Export time, next to the
// floor of two level-9 compressions of the same pictures; and the export's copy next to the
// presentation next to CopyFileA of the same file. Usage: bench_export WORKDIR [SLIDES]
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "AddIn.h"
#include "ExportPPTToModuleComponentsUnit.h"
#include "FakePowerPoint.h"
#include "ProgressStatusUnit.h"
#include "TestPng.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kDistinct = 6;
int kSlides = 60;

double Now() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return double(t.QuadPart) / double(f.QuadPart);
}

uint32_t Mix(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  return x ^ (x >> 16);
}

// A light background with lines of dark glyph-like strokes and a heading bar.
std::vector<uint32_t> TextLike(uint32_t seed) {
  std::vector<uint32_t> px(size_t(kWidth) * kHeight, 0xFFF4F6F9u);
  for (int y = 60; y < 180; ++y)
    for (int x = 0; x < kWidth; ++x) px[size_t(y) * kWidth + size_t(x)] = 0xFF1D2633u + (seed & 0x3F);
  for (int line = 0; line < 12; ++line) {
    int top = 260 + line * 64;
    for (int x = 120; x < 1700; x += 18) {
      if (Mix(uint32_t(x) * 31 + uint32_t(line) + seed * 977) % 7 == 0) continue;  // a space
      int h = 20 + int(Mix(uint32_t(x) + seed) % 16);
      for (int y = top + 36 - h; y < top + 36; ++y)
        for (int dx = 0; dx < 12; ++dx)
          if (Mix(uint32_t(y * 13 + dx) ^ uint32_t(x)) % 3) px[size_t(y) * kWidth + size_t(x + dx)] = 0xFF202020u;
    }
  }
  return px;
}

// Smooth colour fields with fine grain, as a photograph has.
std::vector<uint32_t> PhotoLike(uint32_t seed) {
  std::vector<uint32_t> px(size_t(kWidth) * kHeight);
  double a = 0.003 + 0.001 * (seed % 5), b = 0.004 + 0.0007 * (seed % 3);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      uint32_t grain = Mix(uint32_t(y) * kWidth + uint32_t(x) + seed * 7919u) & 7;
      auto c = [&](double phase) {
        return uint32_t(127 + 120 * std::sin(a * x + b * y + phase) * std::cos(b * x - a * y)) + grain;
      };
      px[size_t(y) * kWidth + size_t(x)] = 0xFF000000u | std::min(c(seed), 255u) << 16 |
                                           std::min(c(1.7 + seed), 255u) << 8 | std::min(c(3.1 + seed), 255u);
    }
  return px;
}

struct TTimes {
  double exportNet, floor, copy, copyFile;
  size_t moduleBytes;
};

using TExportFn = int32_t(__stdcall*)(VARIANT, const char*, char*);

// Copies with the export's own code and a progress window, as its copy phase does.
double TimeCopyWithProgress(const std::string& from, const std::string& to) {
  TProgressForm window;
  window.Show();
  double t0 = Now();
  bool ok = CopyWithProgress(from, to, &window);
  double t = Now() - t0;
  if (!ok) std::printf("CopyWithProgress failed\n");
  DeleteFileA(to.c_str());
  return t;
}

double TimeCopyFile(const std::string& from, const std::string& to) {
  double t0 = Now();
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) std::printf("CopyFileA failed\n");
  double t = Now() - t0;
  DeleteFileA(to.c_str());
  return t;
}

TTimes Run(TExportFn exportFn, const std::string& work, const std::vector<std::vector<uint8_t>>& pictures) {
  TTimes times{};
  TFakePowerPoint ppt;
  std::string pptName = work + "\\deck.ppt", target = work + "\\deck.ruvo";
  ppt.FullName = pptName;
  for (int i = 1; i <= kSlides; ++i) ppt.Slides.push_back(TFakeSlide{i, pictures[size_t(i - 1) % pictures.size()]});

  char out[MAX_PATH] = "";
  VARIANT v = ppt.Presentation();
  double t0 = Now();
  int32_t length = exportFn(v, pptName.c_str(), out);
  times.exportNet = Now() - t0 - ppt.ExportSeconds();
  VariantClear(&v);
  if (length != int32_t(target.size())) std::printf("export returned %d (%s)\n", length, out);

  double f0 = Now();
  for (int i = 0; i < kSlides; ++i) {
    const auto& png = pictures[size_t(i) % pictures.size()];
    for (int twice = 0; twice < 2; ++twice) {
      uLongf n = compressBound(uLong(png.size()));
      std::vector<uint8_t> block(n);
      compress2(block.data(), &n, png.data(), uLong(png.size()), 9);
    }
  }
  times.floor = Now() - f0;

  WIN32_FILE_ATTRIBUTE_DATA data;
  GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data);
  times.moduleBytes = data.nFileSizeLow;
  times.copy = times.copyFile = 1e9;
  for (int round = 0; round < 3; ++round) {
    times.copyFile = std::min(times.copyFile, TimeCopyFile(target, work + "\\copy.ruvo"));
    times.copy = std::min(times.copy, TimeCopyWithProgress(target, work + "\\copy.ruvo"));
  }
  DeleteFileA(target.c_str());
  DeleteFileA((work + "\\temp\\deck.ruvo").c_str());
  return times;
}

// What the progress window's operations cost here: under the emulated test desktop a repaint is dear.
void PrintProgressWindowCosts() {
  TProgressForm form;
  form.Show();
  form.ProcessMessages();
  const int n = 40;
  double t0 = Now();
  for (int i = 0; i < n; ++i) form.Repaint();
  double t1 = Now();
  for (int i = 0; i < n; ++i) form.SetPosition(i);
  double t2 = Now();
  for (int i = 0; i < n; ++i) form.ProcessMessages();
  double t3 = Now();
  HWND bar = form.ProgressBar.Handle();
  for (int i = 0; i < n; ++i) {
    SendMessageA(bar, PBM_SETPOS, WPARAM(i), 0);
    UpdateWindow(bar);
  }
  double t4 = Now();
  MSG msg;
  for (int i = 0; i < n; ++i) PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  double t5 = Now();
  double made = 0, text = 0, shown = 0, freed = 0;
  for (int i = 0; i < 5; ++i) {
    double a = Now();
    auto window = std::make_unique<TProgressForm>();
    double b = Now();
    window->SetText("Status: Exporting");
    double c = Now();
    window->Show();
    double d = Now();
    window.reset();
    double e = Now();
    made += b - a, text += c - b, shown += d - c, freed += e - d;
  }
  std::printf("progress window: made %.1f ms, text %.1f ms, shown %.1f ms, freed %.1f ms\n", made / 5 * 1000,
              text / 5 * 1000, shown / 5 * 1000, freed / 5 * 1000);
  std::printf(
      "per call: Repaint %.2f ms, SetPosition %.2f ms, ProcessMessages %.2f ms, bar only %.2f ms, "
      "PeekMessage %.2f ms\n",
      (t1 - t0) / n * 1000, (t2 - t1) / n * 1000, (t3 - t2) / n * 1000, (t4 - t3) / n * 1000, (t5 - t4) / n * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s WORKDIR [SLIDES]\n", argv[0]);
    return 2;
  }
  char full[MAX_PATH];
  GetFullPathNameA(argv[1], MAX_PATH, full, nullptr);
  std::string work = full, temp = work + "\\temp";
  CreateDirectoryA(temp.c_str(), nullptr);
  SetEnvironmentVariableA("TMP", temp.c_str());
  SetEnvironmentVariableA("TEMP", temp.c_str());

  if (argc > 2) kSlides = std::atoi(argv[2]);
  PrintProgressWindowCosts();
  TAddIn addIn;
  TMessageBoxWatcher boxes;
  auto exportFn = addIn.Fn<TExportFn>("PresenterExportPresToModules");
  const struct {
    const char* name;
    std::vector<uint32_t> (*make)(uint32_t);
  } sets[] = {{"text-like", TextLike}, {"photo-like", PhotoLike}};
  for (const auto& set : sets) {
    std::vector<std::vector<uint8_t>> pictures;
    size_t bytes = 0;
    for (uint32_t i = 0; i < kDistinct; ++i) {
      pictures.push_back(EncodePng(kWidth, kHeight, set.make(i + 1)));
      bytes += pictures.back().size();
    }
    TTimes t = Run(exportFn, work, pictures);
    std::printf("%s: %d slides, PNG %.0f KB average, module %.1f MB\n", set.name, kSlides,
                double(bytes) / kDistinct / 1024, double(t.moduleBytes) / 1048576);
    std::printf("  export less Export: %.2f s, floor (2 x level-9 deflate): %.2f s, ratio %.3f\n", t.exportNet, t.floor,
                t.exportNet / t.floor);
    std::printf("  copy phase: %.3f s, CopyFileA: %.3f s, ratio %.3f\n", t.copy, t.copyFile, t.copy / t.copyFile);
  }
  for (const std::string& text : boxes.Texts()) std::printf("message box: %s\n", text.c_str());
  RemoveDirectoryA(temp.c_str());
  return 0;
}
