// The JPEG decoder and the PNG-or-JPEG choice: a table of small inputs and what each must give.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../doubles/TestJpeg.h"
#include "../doubles/TestPng.h"
#include "Picture.h"
#include "RuvoError.h"

namespace {
using TBytes = std::vector<uint8_t>;

TBytes Quarters(const TTestJpegOptions& o = {}) { return EncodeJpeg(40, 30, QuarterPixels(40, 30), o); }

// The offset of the first marker FF <code>, or the size when there is none.
size_t FindMarker(const TBytes& b, uint8_t code) {
  for (size_t i = 0; i + 1 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == code) return i;
  return b.size();
}

TBytes WithSize(uint16_t width, uint16_t height) {
  TBytes b = Quarters();
  size_t sof = FindMarker(b, 0xC0);
  b[sof + 5] = uint8_t(height >> 8), b[sof + 6] = uint8_t(height);
  b[sof + 7] = uint8_t(width >> 8), b[sof + 8] = uint8_t(width);
  return b;
}

TBytes Cut(TBytes b, size_t keep) {
  b.resize(keep);
  return b;
}

// An end-of-image marker in the middle of the compressed data.
TBytes EndInsideScan() {
  TBytes b = Quarters();
  size_t sos = FindMarker(b, 0xDA);
  size_t data = sos + 2 + (size_t(b[sos + 2]) << 8 | b[sos + 3]);
  size_t mid = (data + b.size() - 2) / 2;
  b[mid] = 0xFF, b[mid + 1] = 0xD9;
  return b;
}

// A valid progressive file of more scans than the decoder takes: every coefficient of a grey
// picture in a band of its own, refined bit by bit (1 + 63 x 8 scans).
TBytes ManyScans() {
  TTestJpegOptions o;
  o.Colour = TTestJpegColour::Gray;
  o.Scans.push_back({1, {0}, 0, 0, 0, 0});
  for (int k = 1; k < 64; ++k) {
    o.Scans.push_back({1, {0}, k, k, 0, 7});
    for (int al = 6; al >= 0; --al) o.Scans.push_back({1, {0}, k, k, al + 1, al});
  }
  return EncodeJpeg(8, 8, QuarterPixels(8, 8), o);
}

// Pixel (x, y) as R, G, B.
void ExpectNear(const TPicture& p, int x, int y, uint32_t rgb, const char* name) {
  uint32_t px = p.Pixels()[size_t(y) * size_t(p.Width()) + size_t(x)];
  EXPECT_EQ(px >> 24, 0xFFu) << name;
  for (int shift : {16, 8, 0})
    EXPECT_NEAR(int(px >> shift & 0xFF), int(rgb >> shift & 0xFF), 10) << name << " at " << x << "," << y;
}
}  // namespace

TEST(Jpeg, EachInputGivesItsPictureOrItsError) {
  const TTestJpegOptions progressive{TTestJpegColour::Rgb, 90, true, {}};
  const TTestJpegOptions rough{TTestJpegColour::Rgb, 40, false, {}};
  const TTestJpegOptions cmyk{TTestJpegColour::Cmyk, 90, false, {}};
  const TBytes good = Quarters();
  struct {
    const char* Name;
    TBytes Bytes;
    const char* Error;  // a part of the expected message, or null when the picture decodes
  } cases[] = {
      {"baseline", good, nullptr},
      {"progressive", Quarters(progressive), nullptr},
      {"low quality", Quarters(rough), nullptr},
      {"empty", {}, "Invalid JPEG image: "},
      {"start marker only", {0xFF, 0xD8}, "Invalid JPEG image: "},
      {"cut inside the header", Cut(good, 40), "Invalid JPEG image: "},
      {"cut inside the data", Cut(good, good.size() / 2 + 100), "Premature end"},
      {"end marker missing", Cut(good, good.size() - 2), "Premature end"},
      {"end marker inside the data", EndInsideScan(), "Corrupt JPEG data"},
      {"no frame after the start", {0xFF, 0xD8, 0xFF, 0xD9}, "Invalid JPEG image: "},
      {"zero width", WithSize(0, 30), "Invalid JPEG image: "},
      {"side too long", WithSize(16385, 1), "unsupported size 16385x1"},
      {"too many pixels", WithSize(8192, 8193), "unsupported size 8192x8193"},
      {"CMYK", Quarters(cmyk), "CMYK colour is not supported"},
      {"too many scans", ManyScans(), "more than 500 scans"},
  };
  for (const auto& c : cases) {
    try {
      TPicture p = DecodeJpeg(c.Bytes.data(), c.Bytes.size());
      if (c.Error) {
        ADD_FAILURE() << c.Name << " decoded";
        continue;
      }
      EXPECT_EQ(p.Width(), 40) << c.Name;
      EXPECT_EQ(p.Height(), 30) << c.Name;
      EXPECT_EQ(p.Kind(), TPictureKind::Colour) << c.Name;
      ExpectNear(p, 5, 5, 0xD02020, c.Name);
      ExpectNear(p, 34, 5, 0x00C000, c.Name);
      ExpectNear(p, 5, 24, 0x2040D0, c.Name);
      ExpectNear(p, 34, 24, 0xFFFBF0, c.Name);
    } catch (const ERuvoError& e) {
      EXPECT_NE(c.Error, nullptr) << c.Name << ": " << e.what();
      if (c.Error) {
        EXPECT_NE(std::string(e.what()).find(c.Error), std::string::npos) << c.Name << ": " << e.what();
      }
    }
  }
}

TEST(Jpeg, GreyPicturesComeOutGreyAndOpaque) {
  TBytes bytes = EncodeJpeg(17, 9, QuarterPixels(17, 9), {TTestJpegColour::Gray, 95, true, {}});
  TPicture p = DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_EQ(p.Width(), 17);
  ASSERT_EQ(p.Height(), 9);
  for (int i = 0; i < 17 * 9; ++i) {
    uint32_t px = p.Pixels()[i];
    EXPECT_EQ(px >> 24, 0xFFu);
    EXPECT_EQ(px >> 16 & 0xFF, px & 0xFF);
    EXPECT_EQ(px >> 8 & 0xFF, px & 0xFF);
  }
}

TEST(Jpeg, EveryCutOfAGoodFileIsRefused) {
  TBytes good = Quarters({TTestJpegColour::Rgb, 90, true, {}});
  for (size_t keep = 0; keep < good.size(); keep += 7) {
    TBytes b = Cut(good, keep);
    EXPECT_THROW(DecodeJpeg(b.data(), b.size()), ERuvoError) << keep;
  }
}

TEST(Picture, DecodePictureChoosesByTheSignature) {
  TBytes png = MakeTestPng(3, 2, 1), jpeg = Quarters();
  struct {
    const char* Name;
    TBytes Bytes;
    const char* Error;  // null: decodes
    int Width;
  } cases[] = {
      {"PNG", png, nullptr, 3},
      {"JPEG", jpeg, nullptr, 40},
      {"GIF", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, "Unknown picture format.", 0},
      {"empty", {}, "Unknown picture format.", 0},
      {"two bytes of a JPEG start", {0xFF, 0xD8}, "Unknown picture format.", 0},
      {"PNG signature, then junk", Cut(png, 20), "Invalid PNG image", 0},
      {"JPEG signature, then junk", Cut(jpeg, 30), "Invalid JPEG image", 0},
  };
  for (const auto& c : cases) {
    try {
      TPicture p = DecodePicture(c.Bytes.data(), c.Bytes.size());
      EXPECT_EQ(c.Error, nullptr) << c.Name << " decoded";
      EXPECT_EQ(p.Width(), c.Width) << c.Name;
    } catch (const ERuvoError& e) {
      EXPECT_NE(c.Error, nullptr) << c.Name << ": " << e.what();
      if (c.Error) {
        EXPECT_NE(std::string(e.what()).find(c.Error), std::string::npos) << c.Name << ": " << e.what();
      }
    }
  }
  EXPECT_THROW(DecodePicture(nullptr, 0), ERuvoError);
}
