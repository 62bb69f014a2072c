// PNG files for tests, encoded with libpng's own writer (the product only ever decodes).
#pragma once

#include <png.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

// A w x h BGRA picture whose pixels depend on seed, so different slides differ.
inline std::vector<uint32_t> TestPixels(int w, int h, uint32_t seed) {
  std::vector<uint32_t> px(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      px[size_t(y) * size_t(w) + size_t(x)] = 0xFF000000u | ((uint32_t(x) * 7 + seed) & 0xFF) << 16 |
                                              ((uint32_t(y) * 3 + seed * 5) & 0xFF) << 8 |
                                              ((uint32_t(x + y) + seed * 11) & 0xFF);
  return px;
}

// Without alpha, the file holds RGB samples only, as exported slides do.
inline std::vector<uint8_t> EncodePng(int w, int h, const std::vector<uint32_t>& px, bool alpha = true) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(w);
  image.height = png_uint_32(h);
  image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  std::vector<uint8_t> bgr;
  if (!alpha)
    for (uint32_t p : px) bgr.insert(bgr.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)});
  const void* samples = alpha ? static_cast<const void*>(px.data()) : bgr.data();
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, samples, 0, nullptr))
    throw std::runtime_error(image.message);
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, samples, 0, nullptr))
    throw std::runtime_error(image.message);
  out.resize(size);
  return out;
}

inline std::vector<uint8_t> MakeTestPng(int w, int h, uint32_t seed) { return EncodePng(w, h, TestPixels(w, h, seed)); }
