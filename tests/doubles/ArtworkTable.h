// Every artwork picture the binaries carry: id, size and kind, as the screens expect them.
#pragma once

#include <cstdint>
#include <vector>

#include "Picture.h"

struct TArtworkEntry {
  int32_t Id;
  int Width;
  int Height;
  TPictureKind Kind;
};

inline std::vector<TArtworkEntry> ServerArtwork() {
  using K = TPictureKind;
  std::vector<TArtworkEntry> all = {
      {101, 380, 200, K::Alpha},      {105, 380, 200, K::Alpha},      {106, 380, 200, K::Alpha},
      {1001, 200, 200, K::Alpha},     {1002, 200, 200, K::Alpha},     {102, 121, 90, K::Colour},
      {103, 121, 90, K::Colour},      {104, 118, 97, K::Alpha},       {2001, 1280, 1024, K::Palette},
      {2002, 1366, 768, K::Palette},  {2003, 1440, 900, K::Palette},  {2004, 1440, 1050, K::Palette},
      {2005, 1600, 1200, K::Palette}, {2006, 1650, 1050, K::Palette}, {2007, 1920, 1200, K::Palette},
      {3001, 1280, 944, K::Palette},  {3002, 1366, 688, K::Palette},  {3003, 1440, 820, K::Palette},
      {3004, 1440, 970, K::Palette},  {3005, 1600, 1120, K::Palette}, {3006, 1680, 970, K::Palette},
      {3007, 1920, 1120, K::Palette},
  };
  for (int32_t state : {4, 5, 6, 1, 2, 7, 8}) {
    all.push_back({1010 + state, 320, 296, K::Alpha});
    all.push_back({1110 + state, 352, 320, K::Alpha});
  }
  return all;
}

inline std::vector<TArtworkEntry> LauncherArtwork() { return {{203, 384, 256, TPictureKind::Colour}}; }
