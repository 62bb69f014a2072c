// JPEG files for tests, encoded with libjpeg's own compressor (the product only ever decodes).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

enum class TTestJpegColour { Rgb, Gray, Cmyk };

struct TTestJpegOptions {
  TTestJpegColour Colour = TTestJpegColour::Rgb;
  int Quality = 95;
  bool Progressive = false;
  // A hand-made progressive scan script instead of libjpeg's (Progressive is then implied).
  std::vector<jpeg_scan_info> Scans;
};

// Encodes w x h pixels (0xAARRGGBB, alpha ignored). libjpeg's default error handler ends the test
// program on a failure, which only a wrong test can cause.
inline std::vector<uint8_t> EncodeJpeg(int w, int h, const std::vector<uint32_t>& px, const TTestJpegOptions& o = {}) {
  jpeg_compress_struct c;
  jpeg_error_mgr errors;
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = JDIMENSION(w);
  c.image_height = JDIMENSION(h);
  const int channels = o.Colour == TTestJpegColour::Gray ? 1 : o.Colour == TTestJpegColour::Cmyk ? 4 : 3;
  c.input_components = channels;
  c.in_color_space = channels == 1 ? JCS_GRAYSCALE : channels == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, o.Quality, TRUE);
  if (!o.Scans.empty()) {
    c.scan_info = o.Scans.data();
    c.num_scans = int(o.Scans.size());
  } else if (o.Progressive) {
    jpeg_simple_progression(&c);
  }
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(size_t(w) * size_t(channels));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t p = px[size_t(y) * size_t(w) + size_t(x)];
      uint8_t r = uint8_t(p >> 16), g = uint8_t(p >> 8), b = uint8_t(p);
      JSAMPLE* s = &row[size_t(x) * size_t(channels)];
      if (channels == 1) {
        s[0] = JSAMPLE((r * 299 + g * 587 + b * 114) / 1000);
      } else if (channels == 3) {
        s[0] = r, s[1] = g, s[2] = b;
      } else {
        s[0] = JSAMPLE(255 - r), s[1] = JSAMPLE(255 - g), s[2] = JSAMPLE(255 - b), s[3] = 0;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

// Four solid quarters: red top left, green top right, blue bottom left, cream bottom right.
inline std::vector<uint32_t> QuarterPixels(int w, int h) {
  std::vector<uint32_t> px(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool right = x >= w / 2, bottom = y >= h / 2;
      px[size_t(y) * size_t(w) + size_t(x)] =
          !bottom ? (right ? 0xFF00C000u : 0xFFD02020u) : (right ? 0xFFFFFBF0u : 0xFF2040D0u);
    }
  return px;
}
