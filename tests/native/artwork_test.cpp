// The artwork files the .rc files build into the binaries: every id present once, at its size
// and of its kind, and nothing else.
#include <gtest/gtest.h>

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
std::map<int32_t, fs::path> ResourcesOf(const char* rc) {
  fs::path dir = fs::path(RUVO_SOURCE_DIR) / "resources";
  std::ifstream in(dir / rc);
  std::map<int32_t, fs::path> ids;
  // Lines of the form: id 400 "file"
  for (std::string text; std::getline(in, text);) {
    std::istringstream words(text);
    int32_t id = 0, type = 0;
    std::string file;
    if (!(words >> id >> type >> file) || type != 400 || file.size() < 2 || file.front() != '"') continue;
    EXPECT_EQ(ids.count(id), 0u) << "id " << id << " listed twice in " << rc;
    ids[id] = dir / file.substr(1, file.size() - 2);
  }
  return ids;
}

void ExpectArtwork(const char* rc, const std::vector<TArtworkEntry>& expected) {
  auto files = ResourcesOf(rc);
  std::set<int32_t> want, have;
  for (const auto& e : expected) want.insert(e.Id);
  for (const auto& [id, _] : files) have.insert(id);
  EXPECT_EQ(have, want) << rc;
  for (const auto& e : expected) {
    auto it = files.find(e.Id);
    if (it == files.end()) continue;
    std::ifstream in(it->second, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty()) << it->second;
    TPicture p = DecodePng(bytes.data(), bytes.size());
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
    std::ifstream in(files[id], std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(HasTransparency(DecodePng(bytes.data(), bytes.size()))) << id;
  }
}
