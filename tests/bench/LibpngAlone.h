// The benchmarks' baseline: libpng alone decoding a PNG from memory into BGRA.
#pragma once

#include <png.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

// Milliseconds for one decode.
inline double LibpngAloneMs(const std::vector<uint8_t>& png) {
  auto t0 = std::chrono::steady_clock::now();
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  png_image_begin_read_from_memory(&image, png.data(), png.size());
  image.format = PNG_FORMAT_BGRA;
  std::vector<uint8_t> px(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, px.data(), 0, nullptr);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}
