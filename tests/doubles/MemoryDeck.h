// A module of numbered slides held in memory, for screens tested in the test's own process; no
// header is needed to read the blocks.
#pragma once

#include <vector>

#include "DesignerTypes.h"
#include "ModuleFormat.h"
#include "Stream.h"
#include "TestSlide.h"

struct TMemoryDeck {
  TDesignerModule Module;
  TMemoryStream Stream;
  std::vector<std::vector<uint8_t>> Pngs;
  TMemoryDeck(int slides, int w, int h) {
    for (int i = 1; i <= slides; ++i) {
      Pngs.push_back(MakeSlidePng(w, h, i, "Slide"));
      TMemoryStream source(Pngs.back());
      TSlideInfo e{};
      e.SlideIndex = i;
      WriteSlideBlock(Stream, source, e.Offset, e.Size, e.CompressedSize);
      Module.SlideInfos.push_back(e);
    }
  }
  // Garbles the middle of slide n's compressed block, so that it can no longer be read.
  void Damage(int n) {
    std::vector<uint8_t> bytes = Stream.Bytes();
    const TSlideInfo& e = Module.SlideInfos[size_t(n - 1)];
    for (int32_t i = e.CompressedSize / 4; i < e.CompressedSize * 3 / 4; ++i) bytes[size_t(e.Offset + i)] ^= 0x5A;
    Stream = TMemoryStream(std::move(bytes));
  }
};
