// Designers and their INI files through the DLL, as the add-in uses them.
#include <gtest/gtest.h>

#include <sstream>

#include "AddIn.h"

namespace {

struct TDesignerApi {
  using H = void*;
  explicit TDesignerApi(const TAddIn& a)
      : Create(a.Fn<H(__stdcall*)()>("CreateDesigner")),
        Destroy(a.Fn<void(__stdcall*)(H)>("DestroyDesigner")),
        Set(a.Fn<void(__stdcall*)(H, int32_t, const char*, const char*, const char*, int32_t)>("SetDesignerParams")),
        Get(a.Fn<void(__stdcall*)(H, int32_t, int32_t, char*, char*, char*, int32_t*, int32_t*, int32_t*, int32_t*)>(
            "GetDesignerParams")),
        NewFile(a.Fn<H(__stdcall*)(const char*)>("CreateDesignerFile")),
        OpenFile(a.Fn<H(__stdcall*)(const char*)>("OpenDesignerFile")),
        CloseFile(a.Fn<void(__stdcall*)(H)>("CloseDesignerFile")),
        Write(a.Fn<void(__stdcall*)(H, H)>("WriteDesignerToFile")),
        Read(a.Fn<void(__stdcall*)(H, H)>("ReadDesignerFromFile")) {}

  H(__stdcall* Create)();
  void(__stdcall* Destroy)(H);
  void(__stdcall* Set)(H, int32_t, const char*, const char*, const char*, int32_t);
  void(__stdcall* Get)(H, int32_t, int32_t, char*, char*, char*, int32_t*, int32_t*, int32_t*, int32_t*);
  H(__stdcall* NewFile)(const char*);
  H(__stdcall* OpenFile)(const char*);
  void(__stdcall* CloseFile)(H);
  void(__stdcall* Write)(H, H);
  void(__stdcall* Read)(H, H);
};

struct TSlot {
  std::string presentation, module, slideShow;
  int32_t thumbnail;
  int32_t lengths[3];
};

// The file as "section/key=value" lines in file order; blank lines dropped.
std::vector<std::string> IniLines(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::vector<std::string> lines;
  std::string section;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[')
      section = line.substr(1, line.find(']') - 1);
    else
      lines.push_back(section + "/" + line);
  }
  return lines;
}

std::vector<std::string> FreshDesignerLines(int slotWithValues = -1) {
  std::vector<std::string> lines = {"Settings/MajorVersion=1", "Settings/MinorVersion=0"};
  for (int p = 0; p < 15; ++p) {
    std::string s = "Pres" + std::to_string(p) + "/";
    bool filled = p == slotWithValues;
    lines.push_back(s + "PresentationFileName=" + (filled ? "C:\\Talks\\deck.ppt" : ""));
    lines.push_back(s + "ModuleFileName=" + (filled ? "deck.ruvo" : ""));
    lines.push_back(s + "SlideShowName=" + (filled ? "Short one" : ""));
    lines.push_back(s + "ThumbnailSlide=" + (filled ? "4" : "0"));
  }
  return lines;
}

class DesignerExports : public ::testing::Test {
 protected:
  TSlot Slot(void* designer, int32_t index) {
    char p[4096] = "", m[4096] = "", s[4096] = "";
    TSlot slot{"", "", "", -9, {-9, -9, -9}};
    api.Get(designer, index, 15, p, m, s, &slot.lengths[0], &slot.lengths[1], &slot.lengths[2], &slot.thumbnail);
    slot.presentation = p;
    slot.module = m;
    slot.slideShow = s;
    return slot;
  }
  void WriteTo(void* designer, const std::string& path) {
    void* f = api.NewFile(path.c_str());
    api.Write(designer, f);
    api.CloseFile(f);
  }
  void ReadFrom(void* designer, const std::string& path) {
    void* f = api.OpenFile(path.c_str());
    api.Read(designer, f);
    api.CloseFile(f);
  }

  TAddIn addIn;
  TDesignerApi api{addIn};
  TTempDir dir;
  TMessageBoxWatcher boxes;
};

}  // namespace

TEST_F(DesignerExports, WritesEverySectionAndKeyInOrder) {
  void* d = api.Create();
  api.Set(d, 3, "C:\\Talks\\deck.ppt", "deck.ruvo", "Short one", 4);
  std::string path = dir.Path("design.ini");
  void* f = api.NewFile(path.c_str());
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);  // binding touches no file
  api.Write(d, f);
  api.CloseFile(f);
  api.Destroy(d);
  EXPECT_EQ(IniLines(path), FreshDesignerLines(2));
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(DesignerExports, OtherSectionsAndKeysSurviveAWrite) {
  std::string path = dir.Path("design.ini");
  std::string before =
      "[Pres0]\r\nExtra=keep me\r\nPresentationFileName=old.ppt\r\n"
      "[Pres20]\r\nPresentationFileName=far.ppt\r\n[Settings]\r\nMajorVersion=7\r\n";
  WriteFileBytes(path, std::vector<uint8_t>(before.begin(), before.end()));
  void* d = api.Create();
  WriteTo(d, path);
  api.Destroy(d);
  std::vector<std::string> lines = IniLines(path);
  auto at = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
  ASSERT_LT(size_t(at("Pres0/Extra=keep me")), lines.size());
  ASSERT_LT(size_t(at("Pres20/PresentationFileName=far.ppt")), lines.size());
  EXPECT_LT(at("Pres0/Extra=keep me"), at("Pres0/PresentationFileName="));  // replaced where it stood
  EXPECT_LT(size_t(at("Settings/MajorVersion=1")), lines.size());
  EXPECT_EQ(lines.size(), 2 + 15 * 4 + 2u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Pres0/PresentationFileName=old.ppt"), 0);
}

TEST_F(DesignerExports, MissingFileReadsAsDefaults) {
  void* d = api.Create();
  for (int i = 1; i <= 15; ++i) api.Set(d, i, "p", "m", "s", 0);
  std::string path = dir.Path("none.ini");
  ReadFrom(d, path);
  for (int i = 1; i <= 15; ++i) {
    TSlot s = Slot(d, i);
    EXPECT_EQ(s.presentation + s.module + s.slideShow, "") << i;
    EXPECT_EQ(s.lengths[0] + s.lengths[1] + s.lengths[2], 0) << i;
    EXPECT_EQ(s.thumbnail, 1) << i;
  }
  api.Destroy(d);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DesignerExports, ReadsValuesAndIntegerTexts) {
  std::string path = dir.Path("design.ini");
  std::string text =
      "[Pres0]\r\nThumbnailSlide=0x10\r\nPresentationFileName=a.ppt\r\n"
      "[Pres1]\r\nThumbnailSlide=abc\r\nmodulefilename=b.ruvo\r\n"
      "[pres2]\r\nThumbnailSlide=-3\r\nSlideShowName=  Show  \r\n"
      "[Pres3]\r\nThumbnailSlide=0x\r\n[Pres4]\r\nThumbnailSlide=\r\n[Pres5]\r\nThumbnailSlide=0XfF\r\n";
  WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  void* d = api.Create();
  ReadFrom(d, path);
  EXPECT_EQ(Slot(d, 1).thumbnail, 16);
  EXPECT_EQ(Slot(d, 1).presentation, "a.ppt");
  EXPECT_EQ(Slot(d, 2).thumbnail, 1);
  EXPECT_EQ(Slot(d, 2).module, "b.ruvo");
  EXPECT_EQ(Slot(d, 3).thumbnail, -3);
  EXPECT_EQ(Slot(d, 3).slideShow, "Show");
  EXPECT_EQ(Slot(d, 3).lengths[2], 4);
  EXPECT_EQ(Slot(d, 4).thumbnail, 1);
  EXPECT_EQ(Slot(d, 5).thumbnail, 1);
  EXPECT_EQ(Slot(d, 6).thumbnail, 255);
  api.Destroy(d);
}

TEST_F(DesignerExports, RoundTripCutsLongStringsAt2047) {
  std::string longName(3000, 'x');
  void* d = api.Create();
  api.Set(d, 15, longName.c_str(), "m.ruvo", "All slides", -2);
  api.Set(d, 1, "first.ppt", nullptr, nullptr, 0);
  std::string path = dir.Path("design.ini");
  WriteTo(d, path);
  void* r = api.Create();
  ReadFrom(r, path);
  TSlot last = Slot(r, 15);
  EXPECT_EQ(last.presentation, longName.substr(0, 2047));
  EXPECT_EQ(last.lengths[0], 2047);
  EXPECT_EQ(last.module, "m.ruvo");
  EXPECT_EQ(last.slideShow, "All slides");
  EXPECT_EQ(last.thumbnail, -2);
  TSlot first = Slot(r, 1);
  EXPECT_EQ(first.presentation, "first.ppt");
  EXPECT_EQ(first.module, "");
  EXPECT_EQ(first.thumbnail, 0);
  api.Destroy(d);
  api.Destroy(r);
}

TEST_F(DesignerExports, SetNullStringsAndGetSelectedOutputsOnly) {
  void* d = api.Create();
  api.Set(d, 2, "p.ppt", "m.ruvo", "s", 5);
  api.Set(d, 2, nullptr, "m2.ruvo", nullptr, 6);
  int32_t thumb = -9;
  api.Get(d, 2, 8, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &thumb);
  EXPECT_EQ(thumb, 6);
  char p[16] = "untouched", s[16] = "untouched", m[16] = "";
  int32_t lp = -9, lm = -9, ls = -9;
  thumb = -9;
  api.Get(d, 2, 2, p, m, s, &lp, &lm, &ls, &thumb);
  EXPECT_STREQ(m, "m2.ruvo");
  EXPECT_EQ(lm, 7);
  EXPECT_STREQ(p, "untouched");
  EXPECT_STREQ(s, "untouched");
  EXPECT_EQ(lp, -9);
  EXPECT_EQ(ls, -9);
  EXPECT_EQ(thumb, -9);
  TSlot slot = Slot(d, 2);
  EXPECT_EQ(slot.presentation, "");
  EXPECT_EQ(slot.slideShow, "");
  // Outside the fifteen slots nothing happens.
  api.Set(d, 16, "x", "y", "z", 1);
  api.Set(d, 0, "x", "y", "z", 1);
  thumb = -9;
  api.Get(d, 16, 8, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &thumb);
  EXPECT_EQ(thumb, -9);
  api.Destroy(d);
  api.CloseFile(nullptr);
}

TEST_F(DesignerExports, UnwritableFileIsReported) {
  std::string path = dir.Path("missing-folder\\design.ini");
  void* d = api.Create();
  WriteTo(d, path);
  api.Destroy(d);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Unable to write to " + path});
}
