#include "Picture.h"

#include <png.h>

#include <cstdio>
#include <cstring>

#include "PictureScale.h"
#include "RuvoError.h"

TPicture::TPicture(int width, int height, std::vector<uint32_t> pixels, TPictureKind kind)
    : data_(std::make_shared<const Data>(
          Data{width, height, kind, std::make_shared<const std::vector<uint32_t>>(std::move(pixels))})) {}

TPicture TPicture::NewObject() const {
  TPicture copy;
  if (data_) copy.data_ = std::make_shared<const Data>(*data_);
  return copy;
}

bool TPicture::SameContent(const TPicture& other) const {
  if (!data_ || !other.data_) return !data_ && !other.data_;
  return data_->width == other.data_->width && data_->height == other.data_->height &&
         (SharesPixels(other) || *data_->pixels == *other.data_->pixels);
}

namespace {
// What libpng's callbacks share with the decoder. Plain data only: libpng leaves an error by
// longjmp, which must not skip a destructor.
struct TPngSource {
  const uint8_t* bytes;
  size_t size;
  size_t at;
  char message[160];
};

void OnPngError(png_structp png, png_const_charp message) {
  auto* source = static_cast<TPngSource*>(png_get_error_ptr(png));
  std::snprintf(source->message, sizeof source->message, "%s", message);
  png_longjmp(png, 1);
}

// Warnings are benign defects libpng has already worked around.
void OnPngWarning(png_structp, png_const_charp) {}

void OnPngRead(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<TPngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->at) png_error(png, "read beyond end of data");
  std::memcpy(out, source->bytes + source->at, count);
  source->at += count;
}

// The two steps that run libpng; an error comes back here by longjmp and makes them return false.
bool ReadPngInfo(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_benign_errors(png, 1);
  png_read_info(png, info);
  return true;
}

// The transforms to 8-bit BGRA; fails (by png_error) on any other layout.
void SetPngTransforms(png_structp png, png_infop info, png_uint_32 width) {
  png_set_expand(png);  // palette, gray below 8 bits and tRNS become 8-bit samples with alpha
  if ((png_get_color_type(png, info) & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  // Straight alpha, output in sRGB. A file without gamma information is taken as sRGB whatever
  // its depth; a file with it (gAMA, sRGB, an sRGB ICC profile) is converted from its gamma.
  png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);  // rounds, unlike strip_16
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);                 // no-op when alpha is there
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unsupported pixel format");
}

bool ReadPngPixels(png_structp png, png_infop info, png_bytepp rows, png_uint_32 width) {
  if (setjmp(png_jmpbuf(png))) return false;
  SetPngTransforms(png, info, width);
  png_read_image(png, rows);
  return true;
}

// Row by row into a shrinker, for a file that is not interlaced.
bool ReadPngRows(png_structp png, png_infop info, TRowShrinker& rows, png_uint_32 width, png_uint_32 height) {
  if (setjmp(png_jmpbuf(png))) return false;
  SetPngTransforms(png, info, width);
  for (png_uint_32 y = 0; y < height; ++y) {
    png_read_row(png, reinterpret_cast<png_bytep>(rows.RowBuffer()), nullptr);
    rows.RowDone();
  }
  return true;
}

// Frees libpng's read state on every way out, a failed allocation included.
struct TPngReadGuard {
  png_structp png;
  png_infop info = nullptr;
  ~TPngReadGuard() { png_destroy_read_struct(&png, &info, nullptr); }
};
}  // namespace

TPicture DecodePng(const uint8_t* bytes, size_t size) { return DecodePngToFit(bytes, size, 0, 0); }

TPicture DecodePngToFit(const uint8_t* bytes, size_t size, int maxWidth, int maxHeight) {
  TPngSource source{bytes, size, 0, {}};
  TPngReadGuard guard{png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnPngError, OnPngWarning)};
  if (!guard.png || !(guard.info = png_create_info_struct(guard.png)))
    throw ERuvoError("Invalid PNG image: out of memory");
  png_set_read_fn(guard.png, &source, OnPngRead);
  if (!ReadPngInfo(guard.png, guard.info)) throw ERuvoError(std::string("Invalid PNG image: ") + source.message);

  png_uint_32 width = png_get_image_width(guard.png, guard.info);
  png_uint_32 height = png_get_image_height(guard.png, guard.info);
  if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      uint64_t(width) * height > kMaxPicturePixels)
    throw ERuvoError(Format("Invalid PNG image: unsupported size %ux%u", width, height));
  int colorType = png_get_color_type(guard.png, guard.info);
  TPictureKind kind = TPictureKind::Colour;
  if (colorType == PNG_COLOR_TYPE_PALETTE)
    kind = TPictureKind::Palette;
  else if ((colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(guard.png, guard.info, PNG_INFO_tRNS))
    kind = TPictureKind::Alpha;

  bool fit = maxWidth > 0 && maxHeight > 0;
  if (fit && png_get_interlace_type(guard.png, guard.info) == PNG_INTERLACE_NONE) {
    TRowShrinker shrinker(int(width), int(height), kind, maxWidth, maxHeight);
    if (!ReadPngRows(guard.png, guard.info, shrinker, width, height))
      throw ERuvoError(std::string("Invalid PNG image: ") + source.message);
    return shrinker.Finish();
  }
  std::vector<uint32_t> pixels(size_t(width) * height);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = reinterpret_cast<png_bytep>(&pixels[size_t(y) * width]);
  if (!ReadPngPixels(guard.png, guard.info, rows.data(), width))
    throw ERuvoError(std::string("Invalid PNG image: ") + source.message);
  TPicture picture(static_cast<int>(width), static_cast<int>(height), std::move(pixels), kind);
  return fit ? ShrinkToFit(picture, maxWidth, maxHeight) : picture;
}
