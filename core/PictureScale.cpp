#include "PictureScale.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// For each destination column (or row): the source cells it covers and how much of each.
struct TSpan {
  int first;
  std::vector<float> weights;  // sum to 1
};

std::vector<TSpan> Spans(int src, int dst) {
  std::vector<TSpan> spans(static_cast<size_t>(dst));
  double scale = double(src) / dst;
  for (int d = 0; d < dst; ++d) {
    double from = d * scale, to = (d + 1) * scale;
    int first = int(from), last = std::min(src - 1, int(to - 1e-9));
    TSpan& s = spans[size_t(d)];
    s.first = first;
    for (int i = first; i <= last; ++i) {
      double cover = std::min(to, double(i + 1)) - std::max(from, double(i));
      s.weights.push_back(float(cover / scale));
    }
  }
  return spans;
}
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
  // Channels weighted by alpha, so that transparent pixels lend no colour.
  std::vector<float> line(size_t(w) * 4);
  std::vector<uint32_t> out(size_t(dw) * size_t(dh));
  const uint32_t* src = picture.Pixels();
  for (int y = 0; y < dh; ++y) {
    std::fill(line.begin(), line.end(), 0.0f);
    const TSpan& r = rows[size_t(y)];
    for (size_t k = 0; k < r.weights.size(); ++k) {
      const uint32_t* row = src + size_t(r.first + int(k)) * size_t(w);
      float wy = r.weights[k];
      for (int x = 0; x < w; ++x) {
        uint32_t p = row[x];
        float a = float(p >> 24) * wy;
        float* l = &line[size_t(x) * 4];
        l[0] += float(p & 0xFF) * a, l[1] += float((p >> 8) & 0xFF) * a, l[2] += float((p >> 16) & 0xFF) * a;
        l[3] += a;
      }
    }
    for (int x = 0; x < dw; ++x) {
      const TSpan& c = cols[size_t(x)];
      float b = 0, g = 0, rr = 0, a = 0;
      for (size_t k = 0; k < c.weights.size(); ++k) {
        const float* l = &line[size_t(c.first + int(k)) * 4];
        float wx = c.weights[k];
        b += l[0] * wx, g += l[1] * wx, rr += l[2] * wx, a += l[3] * wx;
      }
      auto channel = [a](float v) { return a > 0 ? uint32_t(std::min(255.0f, v / a + 0.5f)) : 0u; };
      uint32_t alpha = uint32_t(std::min(255.0f, a + 0.5f));
      out[size_t(y) * size_t(dw) + size_t(x)] = alpha << 24 | channel(rr) << 16 | channel(g) << 8 | channel(b);
    }
  }
  return TPicture(dw, dh, std::move(out), picture.Kind());
}
