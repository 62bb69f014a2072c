// The artwork files the .rc files build into the binaries: every id present once, at its size
// and of its kind, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "../doubles/ArtworkTable.h"
#include "Picture.h"

namespace fs = std::filesystem;

namespace {
// Resources of one type listed in an .rc file: lines of the form id type "file".
std::map<int32_t, fs::path> ResourcesOf(const char* rc, const std::string& kind = "400") {
  fs::path dir = fs::path(RUVO_SOURCE_DIR) / "resources";
  std::ifstream in(dir / rc);
  std::map<int32_t, fs::path> ids;
  for (std::string text; std::getline(in, text);) {
    std::istringstream words(text);
    int32_t id = 0;
    std::string type, file;
    if (!(words >> id >> type >> file) || type != kind || file.size() < 2 || file.front() != '"') continue;
    EXPECT_EQ(ids.count(id), 0u) << "id " << id << " listed twice in " << rc;
    ids[id] = dir / file.substr(1, file.size() - 2);
  }
  return ids;
}

std::vector<uint8_t> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ExpectArtwork(const char* rc, const std::vector<TArtworkEntry>& expected, const std::string& type = "400") {
  auto files = ResourcesOf(rc, type);
  std::set<int32_t> want, have;
  for (const auto& e : expected) want.insert(e.Id);
  for (const auto& [id, _] : files) have.insert(id);
  EXPECT_EQ(have, want) << rc;
  for (const auto& e : expected) {
    auto it = files.find(e.Id);
    if (it == files.end()) continue;
    std::vector<uint8_t> bytes = ReadBytes(it->second);
    ASSERT_FALSE(bytes.empty()) << it->second;
    // The artwork of type 400 is PNG throughout; the form pictures are JPEG where they are opaque.
    TPicture p = type == "400" || e.Kind != TPictureKind::Colour ? DecodePng(bytes.data(), bytes.size())
                                                                 : DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(p.Width(), e.Width) << e.Id;
    EXPECT_EQ(p.Height(), e.Height) << e.Id;
    EXPECT_EQ(int(p.Kind()), int(e.Kind)) << e.Id;
  }
}

// The kinds of a picture that has an alpha channel say nothing of whether it uses it.
bool HasTransparency(const TPicture& p) {
  for (int i = 0; i < p.Width() * p.Height(); ++i)
    if ((p.Pixels()[i] >> 24) != 0xFF) return true;
  return false;
}
}  // namespace

TEST(Artwork, LibraryCarriesEveryPictureAtItsSizeAndKind) {
  ExpectArtwork("Ruvo_Server.rc", ServerArtwork());
  auto files = ResourcesOf("Ruvo_Server.rc");
  EXPECT_EQ(files.count(1013), 0u);
  EXPECT_EQ(files.count(1113), 0u);
  EXPECT_EQ(files.count(203), 0u);
}

TEST(Artwork, LauncherCarriesOnlyTheSplash) { ExpectArtwork("Ruvo_Presenter.rc", LauncherArtwork()); }

TEST(Artwork, OverlaysLetTheSlideShowThrough) {
  auto files = ResourcesOf("Ruvo_Server.rc");
  for (int32_t id : {101, 104, 105, 106, 1001, 1002}) {
    std::vector<uint8_t> bytes = ReadBytes(files[id]);
    EXPECT_TRUE(HasTransparency(DecodePng(bytes.data(), bytes.size()))) << id;
  }
}

namespace {
TPicture FormPicture(int32_t id) {
  auto files = ResourcesOf("Ruvo_Server.rc", "401");
  if (!files.count(id)) return TPicture();
  std::vector<uint8_t> bytes = ReadBytes(files[id]);
  return DecodePicture(bytes.data(), bytes.size());
}

int Luminance(uint32_t px) { return int((px >> 16 & 0xFF) * 299 + (px >> 8 & 0xFF) * 587 + (px & 0xFF) * 114) / 1000; }

// How much darker the pressed face is than the up face over most of the up face's frame: the median
// over its pixels below the light of words, slide areas and paper (edges and words may light up).
int Darkening(const TPicture& up, const TPicture& down) {
  std::vector<int> darker;
  for (int i = 0; i < up.Width() * up.Height(); ++i) {
    int l = Luminance(up.Pixels()[i]);
    if (l < 200) darker.push_back(l - Luminance(down.Pixels()[i]));
  }
  if (darker.empty()) return 0;
  std::nth_element(darker.begin(), darker.begin() + darker.size() / 2, darker.end());
  return darker[darker.size() / 2];
}
}  // namespace

TEST(Artwork, LibraryCarriesEveryFormPictureAtItsSizeAndKind) {
  ExpectArtwork("Ruvo_Server.rc", FormPictureArtwork(), "401");
}

TEST(Artwork, LauncherCarriesNoFormPicture) { EXPECT_TRUE(ResourcesOf("Ruvo_Presenter.rc", "401").empty()); }

TEST(Artwork, PressedFacesAreDarkerThanTheirUpFaces) {
  for (auto [up, down] : PressedFacePairs()) {
    TPicture a = FormPicture(up), b = FormPicture(down);
    ASSERT_TRUE(a && b && a.Width() == b.Width() && a.Height() == b.Height()) << up;
    EXPECT_GT(Darkening(a, b), 3) << up << " and " << down;
  }
}

// Black text goes over the timer's windows and the notes paper, slides over the white areas; the
// disabled panels have none. Rectangles as left, top, right, bottom, inclusive.
TEST(Artwork, TextAndSlideAreasAreWhereTheScreensPutThem) {
  struct {
    int32_t Id;
    int Left, Top, Right, Bottom;
    int Darkest, Lightest;  // the range every pixel inside must keep to
  } areas[] = {
      {4211, 16, 22, 81, 55, 180, 255},   {4211, 128, 22, 225, 55, 180, 255},  // elapsed time, clock
      {4301, 24, 69, 553, 398, 170, 255}, {4302, 24, 69, 553, 398, 170, 255},  // notes
      {4307, 16, 16, 335, 255, 240, 255}, {4308, 16, 16, 335, 255, 240, 255},  // previous slide
      {4306, 0, 16, 319, 255, 240, 255},  {4310, 0, 16, 319, 255, 240, 255},   // next slide
      {4309, 16, 16, 335, 255, 0, 120},   {4311, 0, 16, 319, 255, 0, 120},     // no such slide
  };
  for (const auto& a : areas) {
    TPicture p = FormPicture(a.Id);
    ASSERT_TRUE(p) << a.Id;
    int darkest = 255, lightest = 0;
    for (int y = a.Top; y <= a.Bottom; ++y)
      for (int x = a.Left; x <= a.Right; ++x) {
        int l = Luminance(p.Pixels()[y * p.Width() + x]);
        darkest = std::min(darkest, l), lightest = std::max(lightest, l);
      }
    EXPECT_GE(darkest, a.Darkest) << a.Id << " at " << a.Left << "," << a.Top;
    EXPECT_LE(lightest, a.Lightest) << a.Id << " at " << a.Left << "," << a.Top;
  }
}
