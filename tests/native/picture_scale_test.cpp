// Pictures shrunk once to the size they are shown at.
#include <gtest/gtest.h>

#include "PictureScale.h"

namespace {
TPicture Solid(int w, int h, uint32_t argb, TPictureKind kind = TPictureKind::Colour) {
  return TPicture(w, h, std::vector<uint32_t>(size_t(w) * size_t(h), argb), kind);
}
}  // namespace

TEST(PictureScale, KeepsProportionsWithinTheBox) {
  struct {
    int w, h, maxW, maxH, outW, outH;
  } cases[] = {
      {1920, 1080, 320, 240, 320, 180}, {1024, 768, 320, 240, 320, 240}, {600, 800, 320, 240, 180, 240},
      {3000, 10, 320, 240, 320, 1},     {320, 180, 320, 240, 320, 180},  {100, 50, 320, 240, 100, 50},
  };
  for (auto c : cases) {
    TPicture p = Solid(c.w, c.h, 0xFF336699);
    TPicture s = ShrinkToFit(p, c.maxW, c.maxH);
    EXPECT_EQ(s.Width(), c.outW) << c.w << "x" << c.h;
    EXPECT_EQ(s.Height(), c.outH) << c.w << "x" << c.h;
  }
  TPicture small = Solid(100, 50, 0xFF000000);
  EXPECT_TRUE(ShrinkToFit(small, 320, 240).SameObject(small));  // nothing to do: the same picture
  EXPECT_FALSE(ShrinkToFit(TPicture(), 320, 240));
}

TEST(PictureScale, AveragesAreaAndAlpha) {
  // Columns alternate black and white: every output pixel is the mid grey.
  std::vector<uint32_t> stripes(64 * 2);
  for (size_t i = 0; i < stripes.size(); ++i) stripes[i] = (i % 2) ? 0xFFFFFFFFu : 0xFF000000u;
  TPicture s = ShrinkToFit(TPicture(64, 2, stripes, TPictureKind::Colour), 16, 16);
  ASSERT_EQ(s.Width(), 16);
  for (int i = 0; i < s.Width() * s.Height(); ++i) EXPECT_NEAR(int(s.Pixels()[i] & 0xFF), 128, 1);
  // A transparent neighbour lends no colour, only transparency.
  std::vector<uint32_t> half = {0xFFFF0000u, 0x0000FF00u};
  TPicture h = ShrinkToFit(TPicture(2, 1, half, TPictureKind::Alpha), 1, 1);
  EXPECT_EQ(h.Pixels()[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_NEAR(int(h.Pixels()[0] >> 24), 128, 1);
  EXPECT_EQ(int(h.Kind()), int(TPictureKind::Alpha));
}

namespace {
// A plain area average in floating point, colours weighted by alpha: the yardstick.
std::vector<double> ReferenceAverage(const TPicture& p, int dw, int dh) {
  int w = p.Width(), h = p.Height();
  std::vector<double> out(size_t(dw) * size_t(dh) * 4);
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x) {
      double x0 = double(x) * w / dw, x1 = double(x + 1) * w / dw, y0 = double(y) * h / dh, y1 = double(y + 1) * h / dh;
      double sum[4] = {0, 0, 0, 0}, area = 0;
      for (int sy = int(y0); sy < h && sy < y1; ++sy)
        for (int sx = int(x0); sx < w && sx < x1; ++sx) {
          double cover =
              (std::min(x1, sx + 1.0) - std::max(x0, double(sx))) * (std::min(y1, sy + 1.0) - std::max(y0, double(sy)));
          uint32_t q = p.Pixels()[size_t(sy) * size_t(w) + size_t(sx)];
          double a = (q >> 24) * cover;
          for (int c = 0; c < 3; ++c) sum[c] += ((q >> (8 * c)) & 0xFF) * a;
          sum[3] += a;
          area += cover;
        }
      double* o = &out[(size_t(y) * size_t(dw) + size_t(x)) * 4];
      for (int c = 0; c < 3; ++c) o[c] = sum[3] > 0 ? sum[c] / sum[3] : 0;
      o[3] = sum[3] / area;
    }
  return out;
}
}  // namespace

// Halving first keeps every kind within a shade or two of the plain area average, on gradients,
// hard edges and changing transparency.
TEST(PictureScale, HalvingStaysCloseToThePlainAreaAverage) {
  const int w = 1920, h = 1080;
  std::vector<uint32_t> opaque(size_t(w) * h), translucent(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool box = (x / 97 + y / 61) % 3 == 0;  // hard edges at odd places
      uint32_t r = box ? 250 : uint32_t(x * 255 / w), g = box ? 20 : uint32_t(y * 255 / h), b = (x + y) % 256;
      opaque[size_t(y) * w + x] = 0xFF000000u | r << 16 | g << 8 | b;
      uint32_t a = box ? 0 : uint32_t(255 - y * 200 / h);
      translucent[size_t(y) * w + x] = a << 24 | r << 16 | g << 8 | b;
    }
  for (auto kind : {TPictureKind::Colour, TPictureKind::Alpha}) {
    TPicture source(w, h, kind == TPictureKind::Colour ? opaque : translucent, kind);
    for (auto box : {std::pair<int, int>{576, 432}, {320, 240}, {121, 90}}) {
      SCOPED_TRACE(std::to_string(int(kind)) + " " + std::to_string(box.first));
      TPicture fast = ShrinkToFit(source, box.first, box.second);
      EXPECT_EQ(fast.Kind(), kind);
      std::vector<double> exact = ReferenceAverage(source, fast.Width(), fast.Height());
      double sum = 0;
      int worst = 0;
      size_t n = size_t(fast.Width()) * size_t(fast.Height()), counted = 0;
      for (size_t i = 0; i < n; ++i) {
        uint32_t q = fast.Pixels()[i];
        // Compared as drawn: colours premultiplied by alpha, and alpha itself.
        double alpha = double(q >> 24), exactAlpha = exact[i * 4 + 3];
        for (int c = 0; c < 4; ++c) {
          double mine = c < 3 ? ((q >> (8 * c)) & 0xFF) * alpha / 255 : alpha;
          double theirs = c < 3 ? exact[i * 4 + size_t(c)] * exactAlpha / 255 : exactAlpha;
          int d = int(std::abs(mine - theirs) + 0.5);
          sum += d, ++counted;
          worst = std::max(worst, d);
        }
      }
      // A hard edge may blur by up to one halved pixel more than the plain average blurs it.
      EXPECT_LT(sum / double(counted), 1.5);
      EXPECT_LE(worst, 64);
    }
  }
}
