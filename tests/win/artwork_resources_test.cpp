// The artwork as resources of the built binaries, read through the artwork loader.
#include <gtest/gtest.h>

#include "AddIn.h"
#include "ArtworkTable.h"
#include "PngResource.h"
#include "RuvoError.h"

namespace {
void ExpectArtwork(HMODULE module, const std::vector<TArtworkEntry>& expected) {
  for (const auto& e : expected) {
    TPicture p = LoadPNGResource(module, e.Id, 400);
    ASSERT_TRUE(p) << e.Id;
    EXPECT_EQ(p.Width(), e.Width) << e.Id;
    EXPECT_EQ(p.Height(), e.Height) << e.Id;
    EXPECT_EQ(int(p.Kind()), int(e.Kind)) << e.Id;
  }
}

// The launcher's resources, without running it.
class TDataFile {
 public:
  explicit TDataFile(const char* name) : module_(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~TDataFile() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};
}  // namespace

TEST(ArtworkResources, LibraryHoldsEveryPictureUnderTypeFourHundred) {
  TAddIn addIn;
  ExpectArtwork(addIn.Module(), ServerArtwork());
  // Stored under the numeric type, not as raw data.
  EXPECT_FALSE(LoadPNGResource(addIn.Module(), 2001, 10));
  EXPECT_EQ(FindResourceA(addIn.Module(), MAKEINTRESOURCEA(2001), RT_RCDATA), nullptr);
}

TEST(ArtworkResources, MissingIdsGiveNoPictureAndRaiseNothing) {
  TAddIn addIn;
  for (int32_t id : {1013, 1113, 203, 0, 4242}) {
    TPicture p;
    EXPECT_NO_THROW(p = LoadPNGResource(addIn.Module(), id, 400)) << id;
    EXPECT_FALSE(p) << id;
  }
}

TEST(ArtworkResources, LauncherHoldsOnlyTheSplash) {
  TDataFile launcher("Ruvo_Presenter.exe");
  ASSERT_NE(launcher.Get(), nullptr);
  ExpectArtwork(launcher.Get(), LauncherArtwork());
  EXPECT_FALSE(LoadPNGResource(launcher.Get(), 2001, 400));
  EXPECT_FALSE(LoadPNGResource(launcher.Get(), 101, 400));
}

TEST(ArtworkResources, BytesThatAreNoPngRaiseTheDecoderError) {
  EXPECT_THROW(LoadPNGResource(GetModuleHandleA(nullptr), 9001, 400), ERuvoError);
  TPicture empty;
  EXPECT_NO_THROW(empty = LoadPNGResource(GetModuleHandleA(nullptr), 9002, 400));
  EXPECT_FALSE(empty);
}

TEST(ArtworkResources, EachLoadIsAPictureOfItsOwn) {
  TPicture a = LoadPNGResource(GetModuleHandleA(nullptr), 104, 400);
  TPicture b = LoadPNGResource(GetModuleHandleA(nullptr), 104, 400);
  ASSERT_TRUE(a && b);
  EXPECT_FALSE(a.SameObject(b));
  EXPECT_FALSE(a.SharesPixels(b));
  a = TPicture();
  EXPECT_EQ(b.Width(), 118);
}
