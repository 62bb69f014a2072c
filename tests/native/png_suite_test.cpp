// The PNG decoder over libpng's own test images (contrib/pngsuite and contrib/testpngs of the
// libpng source that setup fetches). Untagged files are checked against a small reference decoder
// written here from the files' own samples; tagged ones against libpng's simplified reader.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Picture.h"
#include "PictureScale.h"
#include "RuvoError.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

// RUVO_LIBPNG_SOURCE names the folder; otherwise it is looked for where setup unpacks it.
fs::path LibpngSource() {
  if (const char* dir = std::getenv("RUVO_LIBPNG_SOURCE")) return dir;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(fs::path(RUVO_SOURCE_DIR) / "build/deps/src", ec))
    if (e.is_directory() && e.path().filename().string().rfind("libpng1.6-", 0) == 0) return e.path();
  return {};
}

#define REQUIRE_LIBPNG_SOURCE(dir)                                                                \
  fs::path dir = LibpngSource();                                                                  \
  if (dir.empty() || !fs::is_directory(dir / "contrib/pngsuite"))                                 \
  GTEST_SKIP() << "libpng source with contrib/pngsuite not found: set RUVO_LIBPNG_SOURCE or run " \
                  "scripts/setup.sh"

Bytes ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<fs::path> PngsUnder(const fs::path& dir, bool recursive) {
  std::vector<fs::path> files;
  auto take = [&](const fs::path& p) {
    if (p.extension() == ".png") files.push_back(p);
  };
  if (recursive)
    for (const auto& e : fs::recursive_directory_iterator(dir)) take(e.path());
  else
    for (const auto& e : fs::directory_iterator(dir)) take(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The one file under crashers that is a valid image: libpng skips its empty ancillary chunks.
const char kValidCrasher[] = "empty_ancillary_chunks.png";

uint32_t Be(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

struct TReference {
  uint32_t width = 0, height = 0;
  int depth = 0, colorType = 0;
  bool interlaced = false, tagged = false;
  std::vector<uint32_t> pixels;  // only for non-interlaced files
};

// Straight from the samples, no gamma: inflate, unfilter, scale 16 bits to 8 with rounding.
TReference ReferenceDecode(const Bytes& file) {
  TReference r;
  Bytes idat, plte, trns;
  for (size_t at = 8; at + 12 <= file.size();) {
    uint32_t n = Be(&file[at], 4);
    std::string type(file.begin() + long(at) + 4, file.begin() + long(at) + 8);
    const uint8_t* d = &file[at + 8];
    if (type == "IHDR") {
      r.width = Be(d, 4), r.height = Be(d + 4, 4), r.depth = d[8], r.colorType = d[9], r.interlaced = d[12] != 0;
    } else if (type == "IDAT") {
      idat.insert(idat.end(), d, d + n);
    } else if (type == "PLTE") {
      plte.assign(d, d + n);
    } else if (type == "tRNS") {
      trns.assign(d, d + n);
    } else if (type == "gAMA" || type == "sRGB" || type == "iCCP" || type == "cHRM") {
      r.tagged = true;
    }
    at += 12 + n;
  }
  if (r.interlaced) return r;
  const int channels[] = {1, 0, 3, 1, 2, 0, 4};
  int ch = channels[r.colorType], bits = ch * r.depth, bpp = std::max(1, bits / 8);
  size_t stride = (r.width * size_t(bits) + 7) / 8;
  Bytes raw(r.height * (stride + 1));
  uLongf rawSize = raw.size();
  EXPECT_EQ(uncompress(raw.data(), &rawSize, idat.data(), idat.size()), Z_OK);
  Bytes prev(stride);
  uint32_t mask = (1u << std::min(r.depth, 8)) - 1;
  for (uint32_t y = 0; y < r.height; ++y) {
    uint8_t filter = raw[y * (stride + 1)], *line = &raw[y * (stride + 1) + 1];
    if (filter > 4) {
      ADD_FAILURE() << "filter " << int(filter);
      return r;
    }
    for (size_t i = 0; i < stride; ++i) {
      int a = i >= size_t(bpp) ? line[i - bpp] : 0, b = prev[i], c = i >= size_t(bpp) ? prev[i - bpp] : 0;
      int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      int add[] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
      line[i] = uint8_t(line[i] + add[filter]);
    }
    prev.assign(line, line + stride);
    for (uint32_t x = 0; x < r.width; ++x) {
      uint32_t raw16[4], s[4];
      for (int k = 0; k < ch; ++k) {
        size_t bit = (size_t(x) * ch + size_t(k)) * size_t(r.depth);
        raw16[k] = r.depth == 16  ? Be(&line[bit / 8], 2)
                   : r.depth == 8 ? line[bit / 8]
                                  : (line[bit / 8] >> (8 - r.depth - bit % 8)) & mask;
        s[k] = r.depth == 16 ? (raw16[k] * 255 + 32895) >> 16 : r.colorType == 3 ? raw16[k] : raw16[k] * 255 / mask;
      }
      uint32_t red = s[0], green = s[0], blue = s[0], alpha = 255;
      if (r.colorType == 3) {
        red = plte[3 * s[0]], green = plte[3 * s[0] + 1], blue = plte[3 * s[0] + 2];
        alpha = s[0] < trns.size() ? trns[s[0]] : 255;
      } else if (ch >= 3) {
        green = s[1], blue = s[2];
      }
      if (ch == 2 || ch == 4) alpha = s[ch - 1];
      bool keyed = r.colorType == 0 && trns.size() == 2 && raw16[0] == Be(&trns[0], 2);
      keyed |= r.colorType == 2 && trns.size() == 6 && raw16[0] == Be(&trns[0], 2) && raw16[1] == Be(&trns[2], 2) &&
               raw16[2] == Be(&trns[4], 2);
      if (keyed) alpha = 0;
      r.pixels.push_back(alpha << 24 | red << 16 | green << 8 | blue);
    }
  }
  return r;
}

// How the decoder read files before: libpng's simplified reader, which keeps for tagged files
// the colour handling to preserve (it was only wrong for 16-bit files that are interlaced or untagged).
struct TSimplified {
  TPictureKind kind = TPictureKind::Colour;
  std::vector<uint32_t> pixels;
};

TSimplified SimplifiedDecode(const Bytes& file) {
  TSimplified out;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return out;
  if (image.format & PNG_FORMAT_FLAG_COLORMAP)
    out.kind = TPictureKind::Palette;
  else if (image.format & PNG_FORMAT_FLAG_ALPHA)
    out.kind = TPictureKind::Alpha;
  image.format = PNG_FORMAT_BGRA;
  out.pixels.resize(size_t(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) out.pixels.clear();
  return out;
}

// The largest difference of any channel of any pixel.
int MaxDifference(const TPicture& picture, const std::vector<uint32_t>& expected) {
  if (size_t(picture.Width()) * size_t(picture.Height()) != expected.size()) return 256;
  int most = 0;
  for (size_t i = 0; i < expected.size(); ++i)
    for (int shift = 0; shift < 32; shift += 8)
      most = std::max(most, std::abs(int(picture.Pixels()[i] >> shift & 0xFF) - int(expected[i] >> shift & 0xFF)));
  return most;
}

}  // namespace

TEST(PngSuite, EveryValidFileDecodesToItsPixels) {
  REQUIRE_LIBPNG_SOURCE(src);
  std::vector<fs::path> files = PngsUnder(src / "contrib/pngsuite", true);
  for (const auto& f : PngsUnder(src / "contrib/testpngs", false)) files.push_back(f);
  files.push_back(src / "contrib/testpngs/crashers" / kValidCrasher);
  EXPECT_EQ(files.size(), 165u);
  int untagged = 0;
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    Bytes bytes = ReadAll(file);
    TPicture picture;
    try {
      picture = DecodePng(bytes.data(), bytes.size());
    } catch (const ERuvoError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    TReference ref = ReferenceDecode(bytes);
    EXPECT_EQ(picture.Width(), int(ref.width));
    EXPECT_EQ(picture.Height(), int(ref.height));
    TSimplified before = SimplifiedDecode(bytes);
    EXPECT_EQ(int(picture.Kind()), int(before.kind));
    if (!ref.tagged) {
      ++untagged;
      // An interlaced file holds the same image as its non-interlaced twin: the name without the "i".
      if (ref.interlaced) ref = ReferenceDecode(ReadAll(src / "contrib/pngsuite" / file.filename().string().substr(1)));
      EXPECT_EQ(MaxDifference(picture, ref.pixels), 0);  // 16 bits rounded to 8, never cut
    } else if (ref.depth < 16 || !ref.interlaced) {
      EXPECT_EQ(MaxDifference(picture, before.pixels), 0);
    } else {
      ADD_FAILURE() << "no reference for a tagged interlaced 16-bit file";
    }
  }
  EXPECT_EQ(untagged, 57);
}

TEST(PngSuite, EveryCrasherIsRefused) {
  REQUIRE_LIBPNG_SOURCE(src);
  int refused = 0;
  for (const auto& file : PngsUnder(src / "contrib/testpngs/crashers", false)) {
    if (file.filename() == kValidCrasher) continue;
    SCOPED_TRACE(file.string());
    Bytes bytes = ReadAll(file);
    try {
      DecodePng(bytes.data(), bytes.size());
      ADD_FAILURE() << "decoded";
    } catch (const ERuvoError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Invalid PNG image: ", 0), 0u) << e.what();
      ++refused;
    }
  }
  EXPECT_EQ(refused, 22);
}

// The first row of an interlaced 16-bit file fades from yellow; it once came out garbled. The
// second pixel's red, 0xF7BD, is 246.77 levels: rounded to 247.
TEST(PngSuite, Interlaced16BitKeepsItsColours) {
  REQUIRE_LIBPNG_SOURCE(src);
  Bytes bytes = ReadAll(src / "contrib/pngsuite/ibasn2c16.png");
  TPicture p = DecodePng(bytes.data(), bytes.size());
  EXPECT_EQ(p.Pixels()[0], 0xFFFFFF00u);
  EXPECT_EQ(p.Pixels()[1], 0xFFF7FF00u);
}

// Colour endpoints (cHRM) say nothing of gamma: a 16-bit file with only them stays as it stands.
TEST(PngSuite, ColourEndpointsAloneDoNotChangeA16BitImage) {
  REQUIRE_LIBPNG_SOURCE(src);
  Bytes plain = ReadAll(src / "contrib/testpngs/rgb-16.png");
  Bytes chrm = {0, 0, 0, 32, 'c', 'H', 'R', 'M'};
  for (uint32_t v : {31270u, 32900u, 64000u, 33000u, 21000u, 71000u, 15000u, 6000u})  // Adobe RGB
    for (int shift = 24; shift >= 0; shift -= 8) chrm.push_back(uint8_t(v >> shift));
  uLong crc = crc32(0, chrm.data() + 4, uInt(chrm.size() - 4));
  for (int shift = 24; shift >= 0; shift -= 8) chrm.push_back(uint8_t(crc >> shift));
  Bytes tagged = plain;
  tagged.insert(tagged.begin() + 33, chrm.begin(), chrm.end());  // right behind IHDR
  EXPECT_EQ(MaxDifference(DecodePng(tagged.data(), tagged.size()), ReferenceDecode(plain).pixels), 0);
}

// Every cut of a file is refused or decoded, and the reader never looks past the cut.
TEST(PngSuite, TruncatedFilesNeverReadPastTheirEnd) {
  REQUIRE_LIBPNG_SOURCE(src);
  Bytes whole = ReadAll(src / "contrib/pngsuite/ibasn6a16.png");
  int refused = 0;
  for (size_t n = 0; n < whole.size(); ++n) {
    Bytes cut(whole.begin(), whole.begin() + long(n));
    try {
      DecodePng(cut.data(), cut.size());
    } catch (const ERuvoError&) {
      ++refused;
    }
  }
  EXPECT_EQ(refused, int(whole.size()) - 12);  // only a cut into the IEND chunk goes unnoticed
}

// Decoding straight to a smaller size gives exactly the shrunk picture, whatever the file's
// layout: palette, grey, 16 bits, alpha, interlaced.
TEST(PngSuite, DecodingToFitGivesTheShrunkPicture) {
  REQUIRE_LIBPNG_SOURCE(src);
  for (const auto& file : PngsUnder(src / "contrib/pngsuite", true)) {
    SCOPED_TRACE(file.string());
    Bytes bytes = ReadAll(file);
    TPicture whole = DecodePng(bytes.data(), bytes.size());
    for (auto box : {std::pair<int, int>{16, 16}, {7, 5}, {64, 64}}) {
      TPicture fitted = DecodePngToFit(bytes.data(), bytes.size(), box.first, box.second);
      TPicture expected = ShrinkToFit(whole, box.first, box.second);
      EXPECT_TRUE(fitted.SameContent(expected)) << box.first << "x" << box.second;
      EXPECT_EQ(int(fitted.Kind()), int(expected.Kind()));
    }
  }
}
