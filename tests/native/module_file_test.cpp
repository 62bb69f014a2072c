#include <gtest/gtest.h>
#include <zlib.h>

#include "../doubles/TestPng.h"
#include "ModuleFormat.h"
#include "RuvoError.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Hex(const char* hex) {
  Bytes out;
  for (const char* p = hex; *p;) {
    if (*p == ' ') { ++p; continue; }
    out.push_back(uint8_t(std::stoi(std::string(p, 2), nullptr, 16)));
    p += 2;
  }
  return out;
}

TDesignerModule AbcModule() {
  TDesignerModule m;
  m.PresentationFileName = "abc";
  m.SlideInfos.resize(1);
  m.SlideShowInfos.resize(1);
  m.SlideShowInfos[0].Kind = 1;
  m.SlideShowInfos[0].Name = "All slides";
  m.SlideShowInfos[0].Indices = {1};
  return m;
}

int32_t Le32(const Bytes& b, size_t at) {
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

}  // namespace

TEST(ModuleHeader, EmptyModuleIsTwentyBytes) {
  TMemoryStream s;
  WriteModuleHeader(s, TDesignerModule());
  EXPECT_EQ(s.Bytes(), Hex("01000000 00000000 00000000 00000000 00000000"));
}

TEST(ModuleHeader, LayoutOfPathEntryAndShow) {
  TDesignerModule m = AbcModule();
  m.SlideInfos[0] = {1, 65, 300, 200};
  TMemoryStream s;
  WriteModuleHeader(s, m);
  EXPECT_EQ(ModuleHeaderSize(m), 65);
  EXPECT_EQ(s.Bytes(), Hex("01000000 00000000 03000000 616263 01000000 01000000"
                           "01000000 41000000 2C010000 C8000000"
                           "01000000 0A000000 416C6C20736C69646573 01000000 01000000"));
}

TEST(ModuleHeader, RoundTripReplacesEverythingTheModuleHeld) {
  TDesignerModule m = AbcModule();
  m.MajorVersion = 7;
  m.MinorVersion = -2;
  m.SlideInfos = {{3, 100, 10, 5}, {1, 200, 20, 6}};
  m.SlideShowInfos.push_back({0, "", {}});
  TMemoryStream s;
  WriteModuleHeader(s, m);

  TDesignerModule target;
  target.SlideInfos.resize(9, TSlideInfo{4, 4, 4, 4});
  target.SlideShowInfos.resize(5);
  s.Seek(0);
  ReadModuleHeader(s, target);
  EXPECT_EQ(target.MajorVersion, 7);
  EXPECT_EQ(target.MinorVersion, -2);
  EXPECT_EQ(target.PresentationFileName, "abc");
  ASSERT_EQ(target.SlideInfos.size(), 2u);
  EXPECT_EQ(target.SlideInfos[1].Offset, 200);
  ASSERT_EQ(target.SlideShowInfos.size(), 2u);
  EXPECT_EQ(target.SlideShowInfos[0].Name, "All slides");
  EXPECT_EQ(target.SlideShowInfos[0].Indices, TIntegerArray{1});
  EXPECT_TRUE(target.SlideShowInfos[1].Indices.empty());
  EXPECT_EQ(s.Position(), ModuleHeaderSize(m));
}

TEST(ModuleFile, ThreePhaseWriteKeepsBlocksAndLength) {
  TDesignerModule m = AbcModule();
  TMemoryStream file;
  WriteModuleHeader(file, m);
  Bytes png = MakeTestPng(40, 30, 1);
  TMemoryStream source(png);
  int32_t offset = -1, size = -1, compressed = -1;
  WriteSlideBlock(file, source, offset, size, compressed);
  EXPECT_EQ(offset, 65);
  EXPECT_EQ(size, int32_t(png.size()));
  EXPECT_EQ(int64_t(offset) + compressed, file.Size());
  EXPECT_EQ(file.Bytes()[65], 0x78);
  EXPECT_EQ(file.Bytes()[66], 0xDA);

  Bytes before = file.Bytes();
  m.SlideInfos[0] = {1, offset, size, compressed};
  file.Seek(0);
  WriteModuleHeader(file, m);
  ASSERT_EQ(file.Bytes().size(), before.size());
  EXPECT_TRUE(std::equal(before.begin() + 65, before.end(), file.Bytes().begin() + 65));
  EXPECT_EQ(Le32(file.Bytes(), 27), offset);

  TPicture pic = LoadSlidePictureByKey(m, file, 1);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic.Width(), 40);
  EXPECT_EQ(pic.Height(), 30);
  EXPECT_EQ(pic.Pixels()[5 * 40 + 7], TestPixels(40, 30, 1)[5 * 40 + 7]);

  TMemoryStream out;
  ExtractSlideBlock(file, out, offset, size);
  EXPECT_EQ(out.Bytes(), png);
}

TEST(ModuleFile, EmptySourceGivesTheEmptyLevel9Stream) {
  TMemoryStream file, source;
  int32_t offset = -1, size = -1, compressed = -1;
  WriteSlideBlock(file, source, offset, size, compressed);
  EXPECT_EQ(offset, 0);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(compressed, 8);
  EXPECT_EQ(file.Bytes(), Hex("78DA030000000001"));
}

TEST(ModuleFile, BlocksFollowEachOtherAndAreMatchedBySlideNumber) {
  TDesignerModule m;
  TMemoryStream file;
  WriteModuleHeader(file, m);
  for (int i = 0; i < 3; ++i) {
    TMemoryStream source(MakeTestPng(8 + i, 8, uint32_t(i)));
    TSlideInfo e{};
    WriteSlideBlock(file, source, e.Offset, e.Size, e.CompressedSize);
    if (i > 0) {
      EXPECT_EQ(e.Offset, m.SlideInfos.back().Offset + m.SlideInfos.back().CompressedSize);
    }
    e.SlideIndex = 10 - i;  // neither sorted nor dense
    m.SlideInfos.push_back(e);
  }
  EXPECT_EQ(LoadSlidePictureByKey(m, file, 9).Width(), 9);
  // A wrong CompressedSize plays no part in reading.
  m.SlideInfos[2].CompressedSize = 1;
  EXPECT_EQ(LoadSlidePictureByKey(m, file, 8).Width(), 10);
  // Duplicate slide numbers: the earlier entry wins.
  m.SlideInfos[1].SlideIndex = 10;
  EXPECT_EQ(FindSlideInfo(m, 10), &m.SlideInfos[0]);
  EXPECT_EQ(LoadSlidePictureByKey(m, file, 10).Width(), 8);
}

TEST(ModuleFile, UnknownSlideLeavesTheStreamAlone) {
  TDesignerModule m;
  EXPECT_EQ(FindSlideInfo(m, 1), nullptr);
  m.SlideInfos = {{2, 0, 1, 1}};
  TMemoryStream file(Bytes(10, 0));
  file.Seek(7);
  EXPECT_FALSE(LoadSlidePictureByKey(m, file, 1));
  EXPECT_EQ(file.Position(), 7);
}

// Damaged headers: each must fail with a message naming the file and leave the module as it was.
TEST(ModuleHeader, DamagedHeadersFailCleanly) {
  struct Case {
    const char* why;
    const char* hex;
  } cases[] = {
      {"empty file", ""},
      {"cut inside the versions", "01000000 0000"},
      {"path longer than the file", "01000000 00000000 FFFFFF7F 6162"},
      {"negative path length", "01000000 00000000 FFFFFFFF"},
      {"no counts", "01000000 00000000 00000000"},
      {"slide count beyond the file", "01000000 00000000 00000000 00000010 00000000"},
      {"negative slide count", "01000000 00000000 00000000 FFFFFFFF 00000000"},
      {"negative show count", "01000000 00000000 00000000 00000000 F6FFFFFF"},
      {"show count beyond the file", "01000000 00000000 00000000 00000000 FFFFFF7F"},
      {"entry cut short", "01000000 00000000 00000000 01000000 00000000 01000000 02000000"},
      {"show name beyond the file", "01000000 00000000 00000000 00000000 01000000 01000000 FF000000 0000"},
      {"slide list beyond the file",
       "01000000 00000000 00000000 00000000 01000000 01000000 00000000 00000040 00000000"},
      {"negative slide list", "01000000 00000000 00000000 00000000 01000000 01000000 00000000 FFFFFFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TMemoryStream s(Hex(c.hex), "C:\\talks\\broken.ruvo");
    TDesignerModule m = AbcModule();
    try {
      ReadModuleHeader(s, m);
      ADD_FAILURE() << "read succeeded";
    } catch (const ERuvoError& e) {
      EXPECT_NE(std::string(e.what()).find("C:\\talks\\broken.ruvo"), std::string::npos) << e.what();
    }
    EXPECT_EQ(m.PresentationFileName, "abc");
    EXPECT_EQ(m.SlideInfos.size(), 1u);
    EXPECT_EQ(m.SlideShowInfos.size(), 1u);
  }
}

namespace {
Bytes Deflate(const Bytes& in) {
  uLongf n = compressBound(uLong(in.size()));
  Bytes out(n);
  EXPECT_EQ(compress2(out.data(), &n, in.data(), uLong(in.size()), 9), Z_OK);
  out.resize(n);
  return out;
}
}  // namespace

// Damaged blocks: every case fails with an error, never a crash, and leaves nothing half-made.
TEST(SlideBlock, DamagedBlocksFailWithAnError) {
  Bytes png = MakeTestPng(16, 16, 3);
  Bytes good = Deflate(png);
  Bytes flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  Bytes notPng = Deflate(Bytes(100, 'x'));
  struct Case {
    const char* why;
    Bytes block;
    int32_t offset, size;
    const char* message;  // a part of the expected text
  } cases[] = {
      {"not zlib at all", Bytes(64, 0xAB), 0, int32_t(png.size()), "error"},
      {"corrupt deflate data", flipped, 0, int32_t(png.size()), ""},
      {"block shorter than Size", good, 0, int32_t(png.size()) + 10, "Stream read error"},
      {"block cut off in the file", Bytes(good.begin(), good.begin() + long(good.size() / 3)), 0,
       int32_t(png.size()), ""},
      {"inflates to something that is not a PNG", notPng, 0, 100, "PNG"},
      {"Size 0", good, 0, 0, "no image"},
      {"negative Size", good, 0, -5, "no image"},
      {"offset beyond the file", good, 100000, int32_t(png.size()), "outside"},
      {"negative offset", good, -1, int32_t(png.size()), "outside"},
      {"Size far beyond what the block can hold", good, 0, 0x7FFFFFFF, "Stream read error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TMemoryStream file(c.block);
    try {
      LoadSlidePicture(file, c.offset, c.size);
      ADD_FAILURE() << "load succeeded";
    } catch (const ERuvoError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    TMemoryStream out;
    if (c.block == notPng) continue;  // extracting does not decode, so that one extracts fine
    EXPECT_THROW(ExtractSlideBlock(file, out, c.offset, c.size), ERuvoError);
  }
}

TEST(SlideBlock, InflateStopsAtSizeWithoutNeedingTheTrailer) {
  Bytes png = MakeTestPng(12, 12, 4);
  Bytes block = Deflate(png);
  block.resize(block.size() - 4);  // checksum trailer gone
  TMemoryStream file(block);
  EXPECT_EQ(LoadSlidePicture(file, 0, int32_t(png.size())).Width(), 12);
}
