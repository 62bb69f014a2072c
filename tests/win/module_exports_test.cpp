// The module functions driven through the DLL, as the add-in and the export use them.
#include <gtest/gtest.h>
#include <zlib.h>

#include "ModuleApi.h"
#include "TestPng.h"

namespace {

using Bytes = std::vector<uint8_t>;

class ModuleExports : public ::testing::Test {
 protected:
  TAddIn addIn;
  TModuleApi api{addIn};
  TTempDir dir;
};

void Put32(Bytes& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}
void PutStr(Bytes& b, const std::string& s) {
  Put32(b, int32_t(s.size()));
  b.insert(b.end(), s.begin(), s.end());
}

}  // namespace

TEST_F(ModuleExports, NewModuleWritesTheTwentyByteHeader) {
  void* m = api.Create();
  char name[16] = "xxxx";
  int32_t len = -1, slides = -1, shows = -1;
  api.GetParams(m, 7, name, &len, &slides, &shows);
  EXPECT_STREQ(name, "");
  EXPECT_EQ(len, 0);
  EXPECT_EQ(slides, 0);
  EXPECT_EQ(shows, 0);

  std::string path = dir.Path("empty.ruvo");
  void* f = api.NewFile(path.c_str());
  ASSERT_NE(f, nullptr);
  api.Write(m, f);
  api.CloseFile(f);
  api.Destroy(m);
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// The export's sequence: header with zero entries, blocks, the header again in place. The slide is
// noise, so its block spans many of the file's buffers and the inflater's chunks.
TEST_F(ModuleExports, ThreePhaseWriteThenReadBack) {
  std::vector<uint32_t> noise(320 * 240);
  uint32_t x = 12345;
  for (auto& p : noise) p = 0xFF000000u | ((x = x * 1103515245u + 12345u) >> 8);
  Bytes png = EncodePng(320, 240, noise);
  ASSERT_GT(png.size(), 200000u);
  std::string slide = dir.Path("slide.png"), empty = dir.Path("empty.png"), path = dir.Path("abc.ruvo");
  WriteFileBytes(slide, png);
  WriteFileBytes(empty, {});

  void* m = api.Create();
  api.SetParams(m, 7, "abc", 2, 1);
  api.SetShow(m, 1, 7, "All slides", 1, 1);
  void* f = api.NewFile(path.c_str());
  api.Write(m, f);
  int32_t off = -1, size = -1, comp = -1;
  api.WriteSlide(f, slide.c_str(), &off, &size, &comp);
  EXPECT_EQ(off, 20 + 3 + 32 + 26);
  EXPECT_EQ(size, int32_t(png.size()));
  api.SetSlide(m, 1, 1, off, size, comp);
  api.SetShowIndex(m, 1, 1, 1);
  int32_t off2 = -1, size2 = -1, comp2 = -1;
  api.WriteSlide(f, empty.c_str(), &off2, &size2, &comp2);
  EXPECT_EQ(off2, off + comp);
  EXPECT_EQ(size2, 0);
  EXPECT_EQ(comp2, 8);
  api.SetSlide(m, 2, 2, off2, size2, comp2);
  api.Write(m, f);
  api.CloseFile(f);
  api.Destroy(m);

  Bytes after = ReadFileBytes(path);
  ASSERT_EQ(after.size(), size_t(off2 + 8));
  EXPECT_EQ(Bytes(after.end() - 8, after.end()), (Bytes{0x78, 0xDA, 0x03, 0, 0, 0, 0, 1}));
  // The block is level-9 zlib of the picture, untouched by the header written after it.
  uLongf clen = compressBound(uLong(png.size()));
  Bytes block(clen);
  ASSERT_EQ(compress2(block.data(), &clen, png.data(), uLong(png.size()), 9), Z_OK);
  block.resize(clen);
  EXPECT_EQ(comp, int32_t(clen));
  EXPECT_TRUE(std::equal(block.begin(), block.end(), after.begin() + off));

  void* r = api.Create();
  void* g = api.OpenFile(path.c_str());
  ASSERT_NE(g, nullptr);
  api.Read(r, g);
  char name[64];
  int32_t len = 0, slides = 0, shows = 0;
  api.GetParams(r, 7, name, &len, &slides, &shows);
  EXPECT_STREQ(name, "abc");
  EXPECT_EQ(len, 3);
  EXPECT_EQ(slides, 2);
  EXPECT_EQ(shows, 1);
  int32_t* entry = api.Find(r, 1);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry[0], 1);
  EXPECT_EQ(entry[1], off);
  EXPECT_EQ(entry[2], size);
  EXPECT_EQ(entry[3], comp);
  EXPECT_EQ(api.Find(r, 3), nullptr);
  int32_t count = 0, kind = 0;
  api.GetShow(r, 1, 7, name, &len, &count, &kind);
  EXPECT_STREQ(name, "All slides");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(kind, 1);

  std::string out = dir.Path("out.png");
  api.Extract(g, out.c_str(), off, size);
  EXPECT_EQ(ReadFileBytes(out), png);
  api.CloseFile(g);
  api.Destroy(r);
}

// A module written by another program that follows the file layout reads back through the DLL.
TEST_F(ModuleExports, ReadsAModuleWrittenByAnotherProgram) {
  Bytes png = MakeTestPng(20, 10, 3);
  uLongf clen = compressBound(uLong(png.size()));
  Bytes block(clen);
  ASSERT_EQ(compress2(block.data(), &clen, png.data(), uLong(png.size()), 6), Z_OK);  // any level reads
  block.resize(clen);

  Bytes file;
  Put32(file, 1);
  Put32(file, 0);
  PutStr(file, "..\\Decks\\Q3.ppt");
  Put32(file, 1);
  Put32(file, 2);
  size_t entryAt = file.size();
  for (int i = 0; i < 4; ++i) Put32(file, 0);
  Put32(file, 1);
  PutStr(file, "All slides");
  Put32(file, 1);
  Put32(file, 5);
  Put32(file, 0);
  PutStr(file, "Short");
  Put32(file, 0);
  int32_t offset = int32_t(file.size()) + 100;  // a gap: the reader goes by Offset alone
  file.resize(size_t(offset), 0xEE);
  file.insert(file.end(), block.begin(), block.end());
  Bytes entry;
  for (int32_t v : {5, offset, int32_t(png.size()), 12345}) Put32(entry, v);
  std::copy(entry.begin(), entry.end(), file.begin() + long(entryAt));
  std::string path = dir.Path("foreign.ruvo");
  WriteFileBytes(path, file);

  void* m = api.Create();
  void* f = api.OpenFile(path.c_str());
  ASSERT_NE(f, nullptr);
  api.Read(m, f);
  char name[64];
  int32_t len = 0;
  api.GetParams(m, 1, name, &len, nullptr, nullptr);
  EXPECT_STREQ(name, "..\\Decks\\Q3.ppt");
  int32_t idx = 0, off = 0, size = 0, comp = 0;
  api.GetSlide(m, 1, &idx, &off, &size, &comp);
  EXPECT_EQ(idx, 5);
  EXPECT_EQ(off, offset);
  EXPECT_EQ(comp, 12345);
  int32_t count = -1;
  api.GetShow(m, 2, 2, nullptr, nullptr, &count, nullptr);
  EXPECT_EQ(count, 0);
  std::string out = dir.Path("five.png");
  api.Extract(f, out.c_str(), off, size);
  EXPECT_EQ(ReadFileBytes(out), png);
  api.CloseFile(f);
  api.Destroy(m);
}

TEST_F(ModuleExports, SettersAndGettersFollowTheirFlags) {
  void* m = api.Create();
  api.SetParams(m, 7, "deck.ppt", 1, 1);
  api.SetSlide(m, 1, 4, 5, 6, 7);
  api.SetParams(m, 1, nullptr, 99, 99);  // only the path, and null means empty
  char name[32] = "zzz";
  int32_t len = -1, slides = -1, shows = -1;
  api.GetParams(m, 7, name, &len, &slides, &shows);
  EXPECT_STREQ(name, "");
  EXPECT_EQ(slides, 1);
  EXPECT_EQ(shows, 1);

  api.SetParams(m, 2, nullptr, 3, 0);
  int32_t v[4];
  api.GetSlide(m, 1, &v[0], &v[1], &v[2], &v[3]);
  EXPECT_EQ(v[0], 4);
  EXPECT_EQ(v[3], 7);
  api.GetSlide(m, 3, &v[0], &v[1], &v[2], &v[3]);
  EXPECT_EQ(v[0] | v[1] | v[2] | v[3], 0);

  api.SetShow(m, 1, 7, "Short", 2, 0);
  api.SetShow(m, 1, 4, nullptr, 0, 1);  // the kind alone
  int32_t count = -1, kind = -1;
  api.GetShow(m, 1, 2, nullptr, nullptr, &count, nullptr);  // unselected outputs may be null
  EXPECT_EQ(count, 2);
  api.GetShow(m, 1, 7, name, &len, &count, &kind);
  EXPECT_STREQ(name, "Short");
  EXPECT_EQ(kind, 1);

  // Indices outside the arrays are ignored rather than written through.
  v[0] = 42;
  api.GetSlide(m, 4, &v[0], &v[1], &v[2], &v[3]);
  api.SetSlide(m, 0, 1, 1, 1, 1);
  api.SetShowIndex(m, 1, 3, 9);
  api.SetShowIndex(m, 2, 1, 9);
  EXPECT_EQ(v[0], 42);
  api.Destroy(m);
}

TEST_F(ModuleExports, ModuleFilesAreOpenedWithoutSharing) {
  std::string path = dir.Path("held.ruvo");
  EXPECT_EQ(api.OpenFile(path.c_str()), nullptr);  // missing
  EXPECT_EQ(api.NewFile(dir.Path("no\\such\\folder.ruvo").c_str()), nullptr);
  void* writer = api.NewFile(path.c_str());
  ASSERT_NE(writer, nullptr);
  EXPECT_EQ(api.OpenFile(path.c_str()), nullptr);
  api.CloseFile(writer);
  void* reader = api.OpenFile(path.c_str());
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(api.OpenFile(path.c_str()), nullptr);
  HANDLE other =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(other, INVALID_HANDLE_VALUE);
  api.CloseFile(reader);
  api.CloseFile(nullptr);
}

// Failures reach the add-in as a message box captioned "Ruvo Presenter" and an empty result.
TEST_F(ModuleExports, FailuresAreShownAndLoseNothing) {
  TMessageBoxWatcher boxes;
  // A damaged header: the module keeps what it had.
  std::string bad = dir.Path("bad.ruvo");
  WriteFileBytes(bad, {1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});
  void* m = api.Create();
  api.SetParams(m, 7, "kept", 2, 0);
  void* f = api.OpenFile(bad.c_str());
  ASSERT_NE(f, nullptr);
  api.Read(m, f);
  char name[32];
  int32_t len = 0, slides = 0;
  api.GetParams(m, 3, name, &len, &slides, nullptr);
  EXPECT_STREQ(name, "kept");
  EXPECT_EQ(slides, 2);

  // A corrupt block: no picture file is left behind.
  std::string out = dir.Path("out.png");
  api.Extract(f, out.c_str(), 0, 100);
  EXPECT_EQ(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
  // A block that lies outside the file fails before an existing destination is replaced.
  std::string kept = dir.Path("kept.png");
  WriteFileBytes(kept, {1, 2, 3});
  api.Extract(f, kept.c_str(), 100000, 100);
  EXPECT_EQ(ReadFileBytes(kept), (Bytes{1, 2, 3}));
  api.CloseFile(f);

  // A missing slide picture: the outputs stay as they were.
  void* g = api.NewFile(dir.Path("w.ruvo").c_str());
  int32_t off = -7, size = -7, comp = -7;
  std::string missing = dir.Path("missing.png");
  api.WriteSlide(g, missing.c_str(), &off, &size, &comp);
  EXPECT_EQ(off, -7);
  EXPECT_EQ(comp, -7);
  // A slide picture that another program holds without sharing cannot be read either.
  std::string held = dir.Path("held.png");
  WriteFileBytes(held, MakeTestPng(4, 4, 1));
  HANDLE h = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  api.WriteSlide(g, held.c_str(), &off, &size, &comp);
  CloseHandle(h);
  EXPECT_EQ(off, -7);
  api.CloseFile(g);
  api.Destroy(m);

  std::vector<std::string> texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_NE(texts[0].find("bad.ruvo"), std::string::npos) << texts[0];
  EXPECT_NE(texts[1].find("error"), std::string::npos) << texts[1];
  EXPECT_NE(texts[2].find("outside"), std::string::npos) << texts[2];
  EXPECT_EQ(texts[3].rfind("Cannot open file \"", 0), 0u) << texts[3];
  EXPECT_NE(texts[3].find("missing.png"), std::string::npos) << texts[3];
  EXPECT_NE(texts[4].find("held.png"), std::string::npos) << texts[4];
}
