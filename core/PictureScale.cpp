#include "PictureScale.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// Integer arithmetic throughout: it is several times faster than floating point where the host
// emulates the processor, and exact enough for 8-bit channels.
constexpr int kWeightBits = 12;
constexpr uint32_t kWeightOne = 1u << kWeightBits;

// For each destination column (or row): the source cells it covers and how much of each, the
// weights summing to kWeightOne.
struct TSpan {
  int first;
  std::vector<uint32_t> weights;
};

std::vector<TSpan> Spans(int src, int dst) {
  std::vector<TSpan> spans(static_cast<size_t>(dst));
  // In units of 1/dst of a source cell, destination d covers [d * src, (d + 1) * src).
  for (int d = 0; d < dst; ++d) {
    int64_t from = int64_t(d) * src, to = from + src;
    TSpan& s = spans[size_t(d)];
    s.first = int(from / dst);
    uint32_t sum = 0;
    size_t largest = 0;
    for (int64_t i = s.first; i * dst < to && i < src; ++i) {
      int64_t cover = std::min(to, (i + 1) * dst) - std::max(from, i * dst);
      uint32_t w = uint32_t(cover * kWeightOne / src);
      if (!s.weights.empty() && w > s.weights[largest]) largest = s.weights.size();
      s.weights.push_back(w);
      sum += w;
    }
    s.weights[largest] += kWeightOne - sum;  // what rounding left over
  }
  return spans;
}

// Two rows halved into one by 2x2 box averages of every channel, alpha included, four packed
// pixels at a time with no multiplication; an odd last column is left out. Pixels with alpha
// come premultiplied, so that transparent ones lend no colour.
void HalveRows(const uint32_t* a, const uint32_t* b, uint32_t* out, int halfWidth) {
  for (int x = 0; x < halfWidth; ++x, a += 2, b += 2) {
    uint32_t rb = (a[0] & 0xFF00FFu) + (a[1] & 0xFF00FFu) + (b[0] & 0xFF00FFu) + (b[1] & 0xFF00FFu);
    uint32_t ag =
        ((a[0] >> 8) & 0xFF00FFu) + ((a[1] >> 8) & 0xFF00FFu) + ((b[0] >> 8) & 0xFF00FFu) + ((b[1] >> 8) & 0xFF00FFu);
    *out++ = (((ag + 0x20002u) >> 2) & 0xFF00FFu) << 8 | (((rb + 0x20002u) >> 2) & 0xFF00FFu);
  }
}

// x / 255 rounded, for x up to 255 * 255.
uint32_t Div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

void Premultiply(const uint32_t* row, uint32_t* out, int width) {
  for (int x = 0; x < width; ++x) {
    uint32_t p = row[x], a = p >> 24;
    if (a == 255) {
      out[x] = p;
    } else {
      out[x] =
          a << 24 | Div255(((p >> 16) & 0xFF) * a) << 16 | Div255(((p >> 8) & 0xFF) * a) << 8 | Div255((p & 0xFF) * a);
    }
  }
}

// The size a picture of w x h is shrunk to; false when it fits already.
bool FitSize(int w, int h, int maxWidth, int maxHeight, int& dw, int& dh) {
  if (w <= 0 || h <= 0 || maxWidth <= 0 || maxHeight <= 0 || (w <= maxWidth && h <= maxHeight)) return false;
  // The larger reduction decides; the other side follows it, never below one pixel.
  if (int64_t(w) * maxHeight >= int64_t(h) * maxWidth) {
    dw = maxWidth;
    dh = std::max(1, int((int64_t(h) * maxWidth + w / 2) / w));
  } else {
    dh = maxHeight;
    dw = std::max(1, int((int64_t(w) * maxHeight + h / 2) / h));
  }
  return true;
}

// The area average of every channel; premultiplied colours are divided by their alpha again.
std::vector<uint32_t> Average(const uint32_t* src, int w, int h, int dw, int dh, bool premultiplied) {
  std::vector<TSpan> cols = Spans(w, dw), rows = Spans(h, dh);
  const int channels = premultiplied ? 4 : 3;
  std::vector<uint32_t> line(size_t(w) * size_t(channels));
  std::vector<uint32_t> out(size_t(dw) * size_t(dh));
  for (int y = 0; y < dh; ++y) {
    std::fill(line.begin(), line.end(), 0u);
    const TSpan& r = rows[size_t(y)];
    for (size_t k = 0; k < r.weights.size(); ++k) {
      const uint32_t* row = src + size_t(r.first + int(k)) * size_t(w);
      uint32_t wy = r.weights[k];
      uint32_t* l = line.data();
      for (int x = 0; x < w; ++x, l += channels) {
        uint32_t p = row[x];
        for (int c = 0; c < channels; ++c) l[c] += ((p >> (8 * c)) & 0xFF) * wy;
      }
    }
    for (int x = 0; x < dw; ++x) {
      const TSpan& c = cols[size_t(x)];
      uint64_t sum[4] = {0, 0, 0, 0};
      const uint32_t* l = &line[size_t(c.first) * size_t(channels)];
      for (size_t k = 0; k < c.weights.size(); ++k, l += channels)
        for (int ch = 0; ch < channels; ++ch) sum[ch] += uint64_t(l[ch]) * c.weights[k];
      // The weights of both passes together come to 1 << 24.
      uint32_t v[4];
      for (int ch = 0; ch < 4; ++ch) v[ch] = std::min<uint32_t>(255, uint32_t((sum[ch] + (1u << 23)) >> 24));
      if (!premultiplied) {
        v[3] = 255;
      } else {
        for (int ch = 0; ch < 3; ++ch) v[ch] = v[3] ? std::min<uint32_t>(255, (v[ch] * 255 + v[3] / 2) / v[3]) : 0;
      }
      out[size_t(y) * size_t(dw) + size_t(x)] = v[3] << 24 | v[2] << 16 | v[1] << 8 | v[0];
    }
  }
  return out;
}

}  // namespace

TPicture ShrinkToFit(const TPicture& picture, int maxWidth, int maxHeight) {
  int w = picture.Width(), h = picture.Height(), dw = 0, dh = 0;
  if (!picture || !FitSize(w, h, maxWidth, maxHeight, dw, dh)) return picture;
  TRowShrinker rows(w, h, picture.Kind(), maxWidth, maxHeight);
  for (int y = 0; y < h; ++y) rows.AddRow(picture.Pixels() + size_t(y) * size_t(w));
  return rows.Finish();
}

TRowShrinker::TRowShrinker(int width, int height, TPictureKind kind, int maxWidth, int maxHeight)
    : width_(width), height_(height), fitWidth_(width), fitHeight_(height), kind_(kind) {
  streaming_ = FitSize(width, height, maxWidth, maxHeight, fitWidth_, fitHeight_);
  if (!streaming_) {
    whole_.resize(size_t(width) * size_t(height));
    return;
  }
  input_.resize(size_t(width));
  if (kind != TPictureKind::Colour) premultiplied_.resize(size_t(width));
  int w = width, h = height;
  while (w >= 2 * fitWidth_ && h >= 2 * fitHeight_) {
    TStage stage;
    stage.width = w;
    stage.first.resize(size_t(w));
    stage.halved.resize(size_t(w / 2));
    stages_.push_back(std::move(stage));
    w /= 2, h /= 2;
  }
  reducedWidth_ = w, reducedHeight_ = h;
  reduced_.resize(size_t(w) * size_t(h));
}

uint32_t* TRowShrinker::RowBuffer() {
  if (!streaming_) return &whole_[size_t(std::min(row_, height_ - 1)) * size_t(width_)];
  return input_.data();
}

void TRowShrinker::RowDone() {
  if (row_ >= height_) return;
  ++row_;
  if (streaming_) Take(input_.data());
}

void TRowShrinker::AddRow(const uint32_t* row) {
  if (row_ >= height_) return;
  if (!streaming_) std::copy_n(row, width_, RowBuffer());
  ++row_;
  if (streaming_) Take(row);
}

void TRowShrinker::Take(const uint32_t* row) {
  if (kind_ == TPictureKind::Colour) return Push(0, row);
  Premultiply(row, premultiplied_.data(), width_);
  Push(0, premultiplied_.data());
}

void TRowShrinker::Push(size_t stage, const uint32_t* row) {
  if (stage == stages_.size()) {
    // Rows past the last full pair of a stage above never come; the count is a guard only.
    if (reducedRows_ < reducedHeight_)
      std::copy_n(row, reducedWidth_, &reduced_[size_t(reducedRows_++) * size_t(reducedWidth_)]);
    return;
  }
  TStage& s = stages_[stage];
  if (!s.waiting) {
    std::copy_n(row, s.width, s.first.data());
    s.waiting = true;
    return;
  }
  s.waiting = false;
  HalveRows(s.first.data(), row, s.halved.data(), s.width / 2);
  Push(stage + 1, s.halved.data());
}

TPicture TRowShrinker::Finish() {
  if (!streaming_) return TPicture(width_, height_, std::move(whole_), kind_);
  bool premultiplied = kind_ != TPictureKind::Colour;
  return TPicture(fitWidth_, fitHeight_,
                  Average(reduced_.data(), reducedWidth_, reducedHeight_, fitWidth_, fitHeight_, premultiplied), kind_);
}
