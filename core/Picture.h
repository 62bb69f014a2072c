// A decoded picture: 32-bit BGRA with straight alpha. Immutable and shared, so a copy of a
// picture costs a reference, never a pixel copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

enum class TPictureKind { Colour, Palette, Alpha };

class TPicture {
 public:
  TPicture() = default;  // no picture
  TPicture(int width, int height, std::vector<uint32_t> pixels, TPictureKind kind);

  explicit operator bool() const { return static_cast<bool>(data_); }
  int Width() const { return data_ ? data_->width : 0; }
  int Height() const { return data_ ? data_->height : 0; }
  TPictureKind Kind() const { return data_ ? data_->kind : TPictureKind::Colour; }
  // Row-major, top row first; each pixel 0xAARRGGBB (bytes B, G, R, A in memory).
  const uint32_t* Pixels() const { return data_ ? data_->pixels->data() : nullptr; }
  // A picture object of its own with the same content; the pixels stay shared, never copied.
  TPicture NewObject() const;
  // Copies by assignment are the same object; NewObject and separate decodes are not.
  bool SameObject(const TPicture& other) const { return data_ == other.data_; }
  bool SharesPixels(const TPicture& other) const { return data_ && other.data_ && data_->pixels == other.data_->pixels; }
  bool SameContent(const TPicture& other) const;

 private:
  struct Data {
    int width;
    int height;
    TPictureKind kind;
    std::shared_ptr<const std::vector<uint32_t>> pixels;
  };
  std::shared_ptr<const Data> data_;
};

// Pictures larger than this are refused rather than allocated: far beyond any screen or slide,
// and within what a 32-bit process can hold.
constexpr uint32_t kMaxPictureSide = 16384;
constexpr uint64_t kMaxPicturePixels = 64u << 20;

// Decodes a complete PNG file held in memory; raises ERuvoError with libpng's text on failure.
TPicture DecodePng(const uint8_t* bytes, size_t size);

// The same, shrunk to fit within maxWidth x maxHeight as ShrinkToFit (PictureScale.h) would; the
// rows of a file that is not interlaced are shrunk as they are decoded, so its full size is never
// held. A box of zero gives the picture as it is.
TPicture DecodePngToFit(const uint8_t* bytes, size_t size, int maxWidth, int maxHeight);

// Decodes a complete JPEG file held in memory into an opaque Colour picture; raises ERuvoError
// "Invalid JPEG image: ..." with libjpeg's text on failure (a truncated or damaged file included).
TPicture DecodeJpeg(const uint8_t* bytes, size_t size);

// PNG or JPEG, told apart by the file's signature; anything else raises "Unknown picture format.".
TPicture DecodePicture(const uint8_t* bytes, size_t size);
