// JPEG decoding with libjpeg, and the choice between the PNG and the JPEG decoder.
#include <csetjmp>
#include <cstring>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include "Picture.h"
#include "RuvoError.h"

namespace {
// libjpeg reports errors through a callback that must not return; it jumps back to the setjmp of
// the step that called libjpeg, so no C++ exception ever passes through libjpeg's C frames.
struct TJpegErrors {
  jpeg_error_mgr Manager;
  jmp_buf Back;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
  TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(cinfo->err);
  errors->Manager.format_message(cinfo, errors->Message);
  longjmp(errors->Back, 1);
}

// Warnings stand for damaged data (a truncated file above all, which libjpeg would pad with grey):
// such a picture is refused, not shown half grey.
void Warn(j_common_ptr cinfo, int level) {
  if (level < 0) Fail(cinfo);
}

// A progressive file can hold any number of scans, each a pass over the whole picture.
constexpr int kMaxScans = 500;

void LimitScans(j_common_ptr cinfo) {
  j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) {
    TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(cinfo->err);
    std::snprintf(errors->Message, sizeof errors->Message, "more than %d scans", kMaxScans);
    longjmp(errors->Back, 1);
  }
}

// Working memory of libjpeg itself (a progressive picture keeps all its coefficients).
constexpr long kMaxJpegMemory = 256L << 20;

struct TJpegReader {
  jpeg_decompress_struct Info;
  TJpegErrors Errors;
  jpeg_progress_mgr Progress;

  TJpegReader() {
    std::memset(&Info, 0, sizeof Info);
    Info.err = jpeg_std_error(&Errors.Manager);
    Errors.Manager.error_exit = Fail;
    Errors.Manager.emit_message = Warn;
    Errors.Message[0] = '\0';
    Progress.progress_monitor = LimitScans;
  }
  // Frees libjpeg's memory on every way out; safe after a failure and before creation.
  ~TJpegReader() { jpeg_destroy_decompress(&Info); }
  TJpegReader(const TJpegReader&) = delete;
  TJpegReader& operator=(const TJpegReader&) = delete;
};

// The libjpeg steps live in these two functions, which hold no C++ object that a jump could skip.
// Each returns false after a libjpeg failure, with its text in the reader's message.
bool ReadHeader(TJpegReader& r, const uint8_t* bytes, unsigned long size) {
  if (setjmp(r.Errors.Back)) return false;
  jpeg_create_decompress(&r.Info);
  r.Info.mem->max_memory_to_use = kMaxJpegMemory;
  r.Info.progress = &r.Progress;
  jpeg_mem_src(&r.Info, bytes, size);
  jpeg_read_header(&r.Info, TRUE);
  return true;
}

// Decodes every row into pixels (Width x Height, top row first) as opaque BGRA.
bool ReadPixels(TJpegReader& r, uint32_t* pixels) {
  if (setjmp(r.Errors.Back)) return false;
  r.Info.out_color_space = r.Info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&r.Info);
  const JDIMENSION width = r.Info.output_width;
  const int channels = r.Info.output_components;
  JSAMPARRAY row = (*r.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&r.Info), JPOOL_IMAGE,
                                               width * JDIMENSION(channels), 1);
  while (r.Info.output_scanline < r.Info.output_height) {
    uint32_t* out = pixels + size_t(r.Info.output_scanline) * width;
    jpeg_read_scanlines(&r.Info, row, 1);
    const JSAMPLE* in = row[0];
    for (JDIMENSION x = 0; x < width; ++x, in += channels) {
      uint32_t red = in[0], green = in[channels == 1 ? 0 : 1], blue = in[channels == 1 ? 0 : 2];
      out[x] = 0xFF000000u | red << 16 | green << 8 | blue;
    }
  }
  jpeg_finish_decompress(&r.Info);
  return true;
}

[[noreturn]] void Refuse(const char* why) { throw ERuvoError(Format("Invalid JPEG image: %s", why)); }

bool StartsWith(const uint8_t* bytes, size_t size, const uint8_t* signature, size_t length) {
  return bytes && size >= length && std::memcmp(bytes, signature, length) == 0;
}
}  // namespace

TPicture DecodeJpeg(const uint8_t* bytes, size_t size) {
  if (static_cast<unsigned long>(size) != size) Refuse("file too large");
  TJpegReader r;
  if (!ReadHeader(r, bytes, static_cast<unsigned long>(size))) Refuse(r.Errors.Message);
  // Colour conversion from CMYK is not libjpeg's; such files come from print work, not from forms.
  if (r.Info.jpeg_color_space != JCS_GRAYSCALE && r.Info.jpeg_color_space != JCS_YCbCr &&
      r.Info.jpeg_color_space != JCS_RGB) {
    Refuse(r.Info.jpeg_color_space == JCS_CMYK || r.Info.jpeg_color_space == JCS_YCCK ? "CMYK colour is not supported"
                                                                                      : "unsupported colour space");
  }
  const uint32_t width = r.Info.image_width, height = r.Info.image_height;
  if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      uint64_t(width) * height > kMaxPicturePixels) {
    throw ERuvoError(Format("Invalid JPEG image: unsupported size %ux%u", width, height));
  }
  std::vector<uint32_t> pixels(size_t(width) * height);
  if (!ReadPixels(r, pixels.data())) Refuse(r.Errors.Message);
  // No scaling is asked for, so the output has the header's size.
  return TPicture(int(width), int(height), std::move(pixels), TPictureKind::Colour);
}

TPicture DecodePicture(const uint8_t* bytes, size_t size) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  static const uint8_t kJpeg[] = {0xFF, 0xD8, 0xFF};
  if (StartsWith(bytes, size, kPng, sizeof kPng)) return DecodePng(bytes, size);
  if (StartsWith(bytes, size, kJpeg, sizeof kJpeg)) return DecodeJpeg(bytes, size);
  throw ERuvoError("Unknown picture format.");
}
