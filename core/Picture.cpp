#include "Picture.h"

#include <png.h>

#include <cstring>

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
// Pictures larger than this are refused rather than allocated: far beyond any screen or slide,
// and within what a 32-bit process can hold.
constexpr png_uint_32 kMaxSide = 16384;
constexpr uint64_t kMaxPixels = 64u << 20;

// Frees libpng's read state on every way out, a failed allocation included.
struct TPngImageGuard {
  png_image& image;
  ~TPngImageGuard() { png_image_free(&image); }
};
}

TPicture DecodePng(const uint8_t* bytes, size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size))
    throw ERuvoError(Format("Invalid PNG image: %s", image.message));
  TPngImageGuard guard{image};
  TPictureKind kind = TPictureKind::Colour;
  if (image.format & PNG_FORMAT_FLAG_COLORMAP)
    kind = TPictureKind::Palette;
  else if (image.format & PNG_FORMAT_FLAG_ALPHA)
    kind = TPictureKind::Alpha;
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide ||
      uint64_t(image.width) * image.height > kMaxPixels) {
    throw ERuvoError(Format("Invalid PNG image: unsupported size %ux%u", image.width, image.height));
  }
  image.format = PNG_FORMAT_BGRA;
  std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
    throw ERuvoError(std::string("Invalid PNG image: ") + image.message);
  return TPicture(static_cast<int>(image.width), static_cast<int>(image.height), std::move(pixels), kind);
}
