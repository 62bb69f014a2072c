// The artwork and the form pictures as resources of the built binaries, read through their loaders.
#include <gtest/gtest.h>

#include <algorithm>

#include "AddIn.h"
#include "ArtworkTable.h"
#include "FormPictures.h"
#include "PngResource.h"
#include "ResourceBytes.h"
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

namespace {
// The sizes of the icon group with the product icon's id, each checked to make an icon of its size.
std::vector<int> ProductIconSizesIn(HMODULE module) {
  std::vector<int> sizes;
  TResourceBytes group = FindResourceBytes(module, kProductIconId, 14 /* RT_GROUP_ICON */);
  if (!group || group.Size < 6) return sizes;
  // The group: a 6-byte header (0, 1, count), then 14-byte entries starting with width, height.
  int count = group.Data[4] | group.Data[5] << 8;
  for (int i = 0; i < count && 6 + 14 * size_t(i + 1) <= group.Size; ++i) {
    int size = group.Data[6 + 14 * i];
    int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.Data), TRUE, size, size, LR_DEFAULTCOLOR);
    TResourceBytes image = FindResourceBytes(module, id, 3 /* RT_ICON */);
    HICON icon = image ? CreateIconFromResourceEx(const_cast<BYTE*>(image.Data), DWORD(image.Size), TRUE, 0x00030000,
                                                  size, size, LR_DEFAULTCOLOR)
                       : nullptr;
    ICONINFO info{};
    if (icon && GetIconInfo(icon, &info)) {
      BITMAP colour{};
      if (GetObjectA(info.hbmColor, sizeof colour, &colour) && colour.bmWidth == size && colour.bmHeight == size)
        sizes.push_back(size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
    if (icon) DestroyIcon(icon);
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}
}  // namespace

TEST(FormPictures, LibraryHoldsEveryPictureUnderTypeFourHundredOne) {
  TAddIn addIn;
  for (const auto& e : FormPictureArtwork()) {
    TPicture p = LoadFormPicture(addIn.Module(), e.Id);
    ASSERT_TRUE(p) << e.Id;
    EXPECT_EQ(p.Width(), e.Width) << e.Id;
    EXPECT_EQ(p.Height(), e.Height) << e.Id;
    EXPECT_EQ(int(p.Kind()), int(e.Kind)) << e.Id;
  }
  // Not among the PNG artwork.
  EXPECT_FALSE(LoadPNGResource(addIn.Module(), fpSelectorLaunchUp, 400));
}

TEST(FormPictures, OwnModuleIsTheCallingBinary) {
  // The tests carry the library's resources, so the pictures come from the test program itself.
  TPicture p;
  ASSERT_NO_THROW(p = LoadFormPicture(fpStartTimer));
  EXPECT_EQ(p.Width(), 255);
  EXPECT_THROW(LoadFormPicture(9003), ERuvoError);
}

TEST(FormPictures, MissingIdsGiveNoPictureAndRaiseNothing) {
  TAddIn addIn;
  TDataFile launcher("Ruvo_Presenter.exe");
  ASSERT_NE(launcher.Get(), nullptr);
  struct {
    HMODULE Module;
    int32_t Id;
  } cases[] = {{addIn.Module(), 2001}, {addIn.Module(), 4000},           {addIn.Module(), 4212},
               {launcher.Get(), 4001}, {launcher.Get(), fpAboutProduct}, {launcher.Get(), 203}};
  for (const auto& c : cases) {
    TPicture p;
    EXPECT_NO_THROW(p = LoadFormPicture(c.Module, c.Id)) << c.Id;
    EXPECT_FALSE(p) << c.Id;
  }
}

TEST(FormPictures, BothBinariesCarryTheProductIconInItsSizes) {
  TAddIn addIn;
  TDataFile launcher("Ruvo_Presenter.exe");
  ASSERT_NE(launcher.Get(), nullptr);
  EXPECT_EQ(ProductIconSizesIn(addIn.Module()), ProductIconSizes());
  EXPECT_EQ(ProductIconSizesIn(launcher.Get()), ProductIconSizes());
  HICON icon = LoadIconA(addIn.Module(), MAKEINTRESOURCEA(kProductIconId));
  EXPECT_NE(icon, nullptr);
}
