// Benchmark: read a 300-slide module's header from disk and decode one slide through
// LoadSlidePictureByKey, next to libpng alone decoding the same PNG from memory. Then a model of a
// slide change without windows: three slides decoded to the sizes the presenter view shows them
// at, next to the same three blocks inflated and decoded by zlib and libpng alone.
// Usage: bench_module_read SLIDE.png WORKDIR
#include <png.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "LibpngAlone.h"
#include "ModuleFormat.h"
#include "RuvoError.h"

#ifdef _WIN32
#include "FileStream.h"
using TBenchFile = TFileStream;
static TFileStream OpenForWrite(const std::string& n) { return TFileStream(n, TFileStream::TMode::CreateReadWrite); }
static TFileStream OpenForRead(const std::string& n) { return TFileStream(n, TFileStream::TMode::OpenRead); }
#else
// A plain stdio stream, so the native run reads from disk as the DLL does.
class TBenchFile : public TStream {
 public:
  TBenchFile(const std::string& n, const char* mode) : f_(std::fopen(n.c_str(), mode)), name_(n) {
    if (!f_) throw ERuvoError("cannot open " + n);
  }
  TBenchFile(TBenchFile&& o) noexcept : f_(o.f_), name_(o.name_) { o.f_ = nullptr; }
  ~TBenchFile() override {
    if (f_) std::fclose(f_);
  }
  size_t Read(void* b, size_t n) override { return std::fread(b, 1, n, f_); }
  void Write(const void* b, size_t n) override { std::fwrite(b, 1, n, f_); }
  void Seek(int64_t p) override { std::fseek(f_, long(p), SEEK_SET); }
  int64_t Position() const override { return std::ftell(f_); }
  int64_t Size() const override {
    long at = std::ftell(f_);
    std::fseek(f_, 0, SEEK_END);
    long n = std::ftell(f_);
    std::fseek(f_, at, SEEK_SET);
    return n;
  }
  std::string Name() const override { return name_; }

 private:
  std::FILE* f_;
  std::string name_;
};
static TBenchFile OpenForWrite(const std::string& n) { return TBenchFile(n, "w+b"); }
static TBenchFile OpenForRead(const std::string& n) { return TBenchFile(n, "rb"); }
#endif

using Clock = std::chrono::steady_clock;
static double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SLIDE.png WORKDIR\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<uint8_t> png((std::istreambuf_iterator<char>(in)), {});
  std::string moduleName = std::string(argv[2]) + "/bench.ruvo";
  const int kSlides = 300, kRuns = 20, kTarget = 150;
  try {
    {  // a 300-slide module as the export writes it: header, blocks, header again
      TDesignerModule m;
      m.PresentationFileName = "Bench.pptx";
      m.SlideInfos.resize(kSlides);
      m.SlideShowInfos.resize(1);
      m.SlideShowInfos[0] = {1, "All slides", TIntegerArray(kSlides)};
      auto file = OpenForWrite(moduleName);
      WriteModuleHeader(file, m);
      for (int i = 0; i < kSlides; ++i) {
        TMemoryStream source(png);
        TSlideInfo& e = m.SlideInfos[size_t(i)];
        e.SlideIndex = i + 1;
        WriteSlideBlock(file, source, e.Offset, e.Size, e.CompressedSize);
        m.SlideShowInfos[0].Indices[size_t(i)] = i + 1;
      }
      file.Seek(0);
      WriteModuleHeader(file, m);
    }
    double best = 1e9, bestPng = 1e9;
    for (int run = 0; run < kRuns; ++run) {
      auto t0 = Clock::now();
      auto file = OpenForRead(moduleName);
      TDesignerModule m;
      ReadModuleHeader(file, m);
      TPicture pic = LoadSlidePictureByKey(m, file, kTarget);
      auto t1 = Clock::now();
      if (!pic || pic.Width() == 0) return 1;
      best = std::min(best, Ms(t1 - t0));

      bestPng = std::min(bestPng, LibpngAloneMs(png));
    }
    std::printf("module header (300 slides) + slide %d via LoadSlidePictureByKey: %.2f ms\n", kTarget, best);
    std::printf("libpng alone, same PNG from memory:                    %.2f ms\n", bestPng);
    std::printf("ratio: %.2f (best of %d runs each; PNG %zu bytes)\n", best / bestPng, kRuns, png.size());

    TDesignerModule m;
    {
      auto header = OpenForRead(moduleName);
      ReadModuleHeader(header, m);
    }
    const struct {
      int32_t slide;
      int width, height;
    } places[] = {{kTarget - 1, 320, 240}, {kTarget, 576, 432}, {kTarget + 1, 320, 240}};
    // The baseline's blocks, read once into memory.
    std::vector<std::vector<uint8_t>> blocks;
    for (const auto& p : places) {
      const TSlideInfo& e = *FindSlideInfo(m, p.slide);
      std::ifstream at(moduleName, std::ios::binary);
      at.seekg(e.Offset);
      blocks.emplace_back(static_cast<size_t>(e.CompressedSize));
      at.read(reinterpret_cast<char*>(blocks.back().data()), e.CompressedSize);
    }
    // Opened after the reads above: the module file is opened without sharing.
    auto file = OpenForRead(moduleName);
    double change = 1e9, alone = 1e9;
    for (int run = 0; run < kRuns / 4; ++run) {
      auto t0 = Clock::now();
      for (const auto& p : places)
        if (!LoadSlidePictureToFit(m, file, p.slide, p.width, p.height)) return 1;
      change = std::min(change, Ms(Clock::now() - t0));
      t0 = Clock::now();
      for (size_t i = 0; i < blocks.size(); ++i) {
        const TSlideInfo& e = *FindSlideInfo(m, places[i].slide);
        std::vector<uint8_t> inflated(static_cast<size_t>(e.Size));
        uLongf length = uLongf(e.Size);
        uncompress(inflated.data(), &length, blocks[i].data(), uLong(blocks[i].size()));
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&image, inflated.data(), length);
        image.format = PNG_FORMAT_BGRA;
        std::vector<uint8_t> px(PNG_IMAGE_SIZE(image));
        png_image_finish_read(&image, nullptr, px.data(), 0, nullptr);
      }
      alone = std::min(alone, Ms(Clock::now() - t0));
    }
    std::printf("slide change model, 3 slides decoded and shrunk:       %.2f ms\n", change);
    std::printf("the same 3 blocks, zlib and libpng alone:              %.2f ms\n", alone);
    std::printf("ratio: %.2f (best of %d runs each)\n", change / alone, kRuns / 4);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
