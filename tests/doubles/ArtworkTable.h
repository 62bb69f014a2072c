// Every artwork picture the binaries carry: id, size and kind, as the screens expect them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
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

// The pictures stored with the form layouts (resource type 401), all in the library: JPEG, but
// for the about box's PNG with alpha.
inline std::vector<TArtworkEntry> FormPictureArtwork() {
  using K = TPictureKind;
  std::vector<TArtworkEntry> all;
  auto add = [&all](std::initializer_list<int32_t> ids, int w, int h, K kind = K::Colour) {
    for (int32_t id : ids) all.push_back({id, w, h, kind});
  };
  add({4001, 4002, 4003, 4004}, 286, 54);
  add({4005, 4006, 4209, 4210}, 109, 54);
  add({4007, 4008}, 246, 54);
  add({4101}, 352, 320);
  add({4201, 4202, 4203, 4204, 4205, 4206, 4207, 4208}, 222, 54);
  add({4211}, 255, 61);
  add({4301, 4302}, 576, 415);
  add({4303, 4304}, 576, 61);
  add({4305}, 608, 464);
  add({4306, 4307, 4308, 4310}, 336, 317);
  add({4309, 4311}, 336, 320);
  add({4401}, 32, 32, K::Alpha);
  return all;
}

// Each button face and the face it shows while pressed: (up id, down id).
inline std::vector<std::pair<int32_t, int32_t>> PressedFacePairs() {
  return {{4001, 4002}, {4003, 4004}, {4005, 4006}, {4007, 4008}, {4201, 4203}, {4202, 4204}, {4205, 4207},
          {4206, 4208}, {4209, 4210}, {4301, 4302}, {4303, 4304}, {4307, 4308}, {4306, 4310}};
}

// The sizes that the product icon holds.
inline std::vector<int> ProductIconSizes() { return {16, 32, 48}; }
