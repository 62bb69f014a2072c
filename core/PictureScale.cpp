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

uint32_t Reduce(uint64_t v) { return uint32_t((v + kWeightOne / 2) >> kWeightBits); }
}  // namespace

TPicture ShrinkToFit(const TPicture& picture, int maxWidth, int maxHeight) {
  int w = picture.Width(), h = picture.Height();
  if (!picture || maxWidth <= 0 || maxHeight <= 0 || (w <= maxWidth && h <= maxHeight)) return picture;
  // The larger reduction decides; the other side follows it, never below one pixel.
  int dw, dh;
  if (int64_t(w) * maxHeight >= int64_t(h) * maxWidth) {
    dw = maxWidth;
    dh = std::max(1, int((int64_t(h) * maxWidth + w / 2) / w));
  } else {
    dh = maxHeight;
    dw = std::max(1, int((int64_t(w) * maxHeight + h / 2) / h));
  }
  std::vector<TSpan> cols = Spans(w, dw), rows = Spans(h, dh);
  // Colour channels are weighted by alpha, so that transparent pixels lend no colour: per source
  // column the rows' sums of b*a, g*a, r*a and a.
  std::vector<uint32_t> line(size_t(w) * 4);
  std::vector<uint32_t> out(size_t(dw) * size_t(dh));
  const uint32_t* src = picture.Pixels();
  for (int y = 0; y < dh; ++y) {
    std::fill(line.begin(), line.end(), 0u);
    const TSpan& r = rows[size_t(y)];
    for (size_t k = 0; k < r.weights.size(); ++k) {
      const uint32_t* row = src + size_t(r.first + int(k)) * size_t(w);
      uint32_t wy = r.weights[k];
      uint32_t* l = line.data();
      for (int x = 0; x < w; ++x, l += 4) {
        uint32_t p = row[x], a = p >> 24, aw = a * wy;
        l[0] += (p & 0xFF) * aw;
        l[1] += ((p >> 8) & 0xFF) * aw;
        l[2] += ((p >> 16) & 0xFF) * aw;
        l[3] += aw;
      }
    }
    for (uint32_t& v : line) v = Reduce(v);
    for (int x = 0; x < dw; ++x) {
      const TSpan& c = cols[size_t(x)];
      uint64_t b = 0, g = 0, rr = 0, a = 0;
      const uint32_t* l = &line[size_t(c.first) * 4];
      for (size_t k = 0; k < c.weights.size(); ++k, l += 4) {
        uint64_t wx = c.weights[k];
        b += l[0] * wx, g += l[1] * wx, rr += l[2] * wx, a += l[3] * wx;
      }
      auto channel = [a](uint64_t v) { return a ? uint32_t(std::min<uint64_t>(255, (v + a / 2) / a)) : 0u; };
      uint32_t alpha = std::min<uint32_t>(255, Reduce(a));
      out[size_t(y) * size_t(dw) + size_t(x)] = alpha << 24 | channel(rr) << 16 | channel(g) << 8 | channel(b);
    }
  }
  return TPicture(dw, dh, std::move(out), picture.Kind());
}
