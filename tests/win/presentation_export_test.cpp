// The presentation export driven through the DLL as the add-in drives it, with PowerPoint played
// by the automation double and the temporary folder pointed at a folder of the test's own.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <zlib.h>

#include <functional>

#include "FakePowerPoint.h"
#include "ModuleApi.h"
#include "ProgressStatusUnit.h"
#include "TestPng.h"

// Calls the export with the VARIANT's four words and the two pointers pushed as a stdcall caller
// does; reports how far the stack pointer moved over the call (0 when the callee cleaned up).
extern "C" int32_t RawExportCall(void* fn, const uint32_t* words, const char* ppt, char* out, int32_t* moved);
asm(".globl _RawExportCall\n"
    "_RawExportCall:\n"
    "  pushl %ebp\n"
    "  movl %esp, %ebp\n"
    "  pushl %esi\n"
    "  pushl %edi\n"
    "  movl 12(%ebp), %esi\n"
    "  movl %esp, %edi\n"
    "  pushl 20(%ebp)\n"
    "  pushl 16(%ebp)\n"
    "  pushl 12(%esi)\n"
    "  pushl 8(%esi)\n"
    "  pushl 4(%esi)\n"
    "  pushl (%esi)\n"
    "  call *8(%ebp)\n"
    "  movl %esp, %ecx\n"
    "  subl %edi, %ecx\n"
    "  movl 24(%ebp), %edx\n"
    "  movl %ecx, (%edx)\n"
    "  movl %edi, %esp\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  popl %ebp\n"
    "  ret\n");

namespace {

using Bytes = std::vector<uint8_t>;
using TExportFn = int32_t(__stdcall*)(VARIANT, const char*, char*);

void Put32(Bytes& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}
void PutStr(Bytes& b, const std::string& s) {
  Put32(b, int32_t(s.size()));
  b.insert(b.end(), s.begin(), s.end());
}

Bytes Deflate9(const Bytes& in) {
  uLongf n = compressBound(uLong(in.size()));
  Bytes out(n);
  EXPECT_EQ(compress2(out.data(), &n, in.data(), uLong(in.size()), 9), Z_OK);
  out.resize(n);
  return out;
}

// The module file the export must write: header, then slide k's level-9 block in slide order.
Bytes ExpectedModule(const std::string& presentationPath, const std::vector<Bytes>& pngs, int32_t namedShows) {
  int32_t n = int32_t(pngs.size());
  int32_t headerSize = 20 + int32_t(presentationPath.size()) + 16 * n + (12 + 10 + 4 * n) + 12 * namedShows;
  Bytes header, blocks;
  Put32(header, 1);
  Put32(header, 0);
  PutStr(header, presentationPath);
  Put32(header, n);
  Put32(header, namedShows + 1);
  for (int32_t k = 1; k <= n; ++k) {
    Bytes block = Deflate9(pngs[size_t(k) - 1]);
    Put32(header, k);
    Put32(header, headerSize + int32_t(blocks.size()));
    Put32(header, int32_t(pngs[size_t(k) - 1].size()));
    Put32(header, int32_t(block.size()));
    blocks.insert(blocks.end(), block.begin(), block.end());
  }
  Put32(header, 1);
  PutStr(header, "All slides");
  Put32(header, n);
  for (int32_t k = 1; k <= n; ++k) Put32(header, k);
  for (int32_t s = 0; s < namedShows; ++s) {
    Put32(header, 0);
    PutStr(header, "");
    Put32(header, 0);
  }
  EXPECT_EQ(int32_t(header.size()), headerSize);
  header.insert(header.end(), blocks.begin(), blocks.end());
  return header;
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return names;
}

// Holds a file open without sharing, as a module open in the presenter does.
struct THeldOpen {
  HANDLE h;
  explicit THeldOpen(const std::string& name)
      : h(CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~THeldOpen() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

// The progress window the export shows: its status line (read from the form inside the library,
// whose layout this program shares) and its bar.
struct TProgressSeen {
  bool visible = false;
  std::string text;
  int max = -1, position = -1;
};

TProgressSeen LookAtProgressWindow() {
  TProgressSeen seen;
  HWND w = FindWindowA("TRuvoWinControl", "Status");
  if (!w) return seen;
  seen.visible = IsWindowVisible(w);
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  if (control) seen.text = static_cast<TProgressForm*>(control)->StatusLabel.Caption();
  HWND bar = FindWindowExA(w, nullptr, PROGRESS_CLASSA, nullptr);
  PBRANGE range{};
  SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  seen.max = range.iHigh;
  seen.position = int(SendMessageA(bar, PBM_GETPOS, 0, 0));
  return seen;
}

class PresentationExport : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"TMP", "TEMP"}) {
      char value[MAX_PATH] = "";
      GetEnvironmentVariableA(name, value, sizeof value);
      saved_.emplace_back(name, value);
      SetEnvironmentVariableA(name, temp.Dir().c_str());
    }
    ppt.FullName = Presentation();
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) SetEnvironmentVariableA(name.c_str(), value.c_str());
  }

  std::string Presentation() const { return talks.Path("deck.ppt"); }
  std::string Target() const { return talks.Path("deck.ruvo"); }
  std::string TempModule() const { return temp.Path("deck.ruvo"); }

  // Slides 1 to n, each with a picture of its own.
  std::vector<Bytes> SetSlides(int n) {
    std::vector<Bytes> pngs;
    ppt.Slides.clear();
    for (int i = 1; i <= n; ++i) {
      pngs.push_back(MakeTestPng(40 + 8 * i, 30, uint32_t(i)));
      ppt.Slides.push_back(TFakeSlide{i, pngs.back()});
    }
    return pngs;
  }

  // Calls the export as the add-in does; the caller's VARIANT must come back as it went in.
  int32_t Export(char* out, const char* pptFileName) {
    VARIANT v = ppt.Presentation();
    VARIANT before = v;
    int32_t result = exportFn(v, pptFileName, out);
    EXPECT_EQ(v.vt, before.vt);
    EXPECT_EQ(v.pdispVal, before.pdispVal);
    VariantClear(&v);
    EXPECT_EQ(ppt.LiveObjects(), 0) << "the export keeps objects of the presentation";
    EXPECT_EQ(static_cast<TFakeDispatch*>(ppt.PresentationObject())->References(), 1);
    return result;
  }
  int32_t Export(char* out) { return Export(out, Presentation().c_str()); }

  TTempDir temp;   // the export's temporary folder
  TTempDir talks;  // the presentation's folder
  TAddIn addIn;
  TModuleApi api{addIn};
  TExportFn exportFn = addIn.Fn<TExportFn>("PresenterExportPresToModules");
  TFakePowerPoint ppt;
  TMessageBoxWatcher boxes;

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};

}  // namespace

TEST_F(PresentationExport, ThreeSlidesWithNamedShowsReplaceTheModuleNextToThePresentation) {
  std::vector<Bytes> pngs = SetSlides(3);
  ppt.NamedSlideShowCount = 3;
  WriteFileBytes(Target(), Bytes(5000, 0xEE));  // left by an earlier export
  std::vector<TProgressSeen> progress;
  ppt.OnExport = [&](int32_t, const std::string&) { progress.push_back(LookAtProgressWindow()); };

  char out[MAX_PATH] = "";
  int32_t length = Export(out);
  EXPECT_EQ(length, int32_t(Target().size()));
  EXPECT_EQ(out, Target());
  EXPECT_TRUE(boxes.Texts().empty());

  EXPECT_EQ(ReadFileBytes(Target()), ExpectedModule("deck.ppt", pngs, 3));
  // The temporary module names the presentation from the temporary folder; both are siblings.
  std::string talksName = talks.Dir().substr(talks.Dir().rfind('\\') + 1);
  EXPECT_EQ(ReadFileBytes(TempModule()), ExpectedModule("..\\" + talksName + "\\deck.ppt", pngs, 3));
  EXPECT_EQ(FilesIn(temp.Dir()), std::vector<std::string>{"deck.ruvo"});  // no copy, no picture

  // Each slide: fetched, exported, then asked for its number.
  std::vector<std::string> calls = ppt.Calls();
  for (int i = 1; i <= 3; ++i) {
    std::string slide = "Slide" + std::to_string(i);
    size_t at = size_t(std::find(calls.begin(), calls.end(), "Slides.Item(" + std::to_string(i) + ")") - calls.begin());
    ASSERT_LT(at + 2, calls.size()) << i;
    EXPECT_EQ(calls[at + 1], slide + ".Export(png)");
    EXPECT_EQ(calls[at + 2], slide + ".SlideIndex");
  }
  for (const std::string& file : ppt.ExportedFiles()) {
    EXPECT_EQ(file.rfind(temp.Path("ruvo"), 0), 0u) << file;
    EXPECT_EQ(file.substr(file.size() - 4), ".png") << file;
  }

  // While slide i is exported the window shows the status line and at most 2(i-1) of 2N steps
  // (positions are passed on at a pace that keeps the repaints cheap).
  ASSERT_EQ(progress.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(progress[size_t(i)].visible) << i;
    EXPECT_EQ(progress[size_t(i)].text, "Status: Exporting \"deck.ppt\" to \"deck.ruvo\".");
    EXPECT_EQ(progress[size_t(i)].max, 6);
    EXPECT_LE(progress[size_t(i)].position, 2 * i);
    if (i) {
      EXPECT_GE(progress[size_t(i)].position, progress[size_t(i) - 1].position);
    }
  }
  EXPECT_EQ(FindWindowA("TRuvoWinControl", "Status"), nullptr);

  // The module reads back through the module functions with the pictures the double wrote.
  void* m = api.Create();
  void* f = api.OpenFile(Target().c_str());
  ASSERT_NE(f, nullptr);
  api.Read(m, f);
  char name[MAX_PATH];
  int32_t nameLength = 0, slides = 0, shows = 0;
  api.GetParams(m, 7, name, &nameLength, &slides, &shows);
  EXPECT_STREQ(name, "deck.ppt");
  EXPECT_EQ(slides, 3);
  EXPECT_EQ(shows, 4);
  for (int32_t k = 1; k <= 3; ++k) {
    int32_t index = 0, offset = 0, size = 0, compressed = 0;
    api.GetSlide(m, k, &index, &offset, &size, &compressed);
    std::string extracted = talks.Path("slide" + std::to_string(k) + ".png");
    api.Extract(f, extracted.c_str(), offset, size);
    EXPECT_EQ(ReadFileBytes(extracted), pngs[size_t(k) - 1]) << k;
  }
  api.CloseFile(f);
  api.Destroy(m);
}

TEST_F(PresentationExport, NoSlidesWritesHeadersOnly) {
  SetSlides(0);
  char out[MAX_PATH] = "";
  EXPECT_EQ(Export(out), int32_t(Target().size()));
  EXPECT_EQ(ReadFileBytes(Target()), ExpectedModule("deck.ppt", {}, 0));
  for (const std::string& call : ppt.Calls()) EXPECT_EQ(call.find("Item"), std::string::npos) << call;
  EXPECT_TRUE(boxes.Texts().empty());
}

// The stored path comes from FullName; the names and the drive come from the path passed in.
TEST_F(PresentationExport, PresentationOnAnotherDriveKeepsItsFullPathInTheTemporaryModule) {
  char root[MAX_PATH];
  GetTempPathA(MAX_PATH, root);
  if (GetDriveTypeA("Z:\\") == DRIVE_NO_ROOT_DIR || toupper(root[0]) == 'Z') GTEST_SKIP() << "no second drive";
  std::string folder = "Z:\\tmp\\ruvo-export-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  std::string pptName = folder + "\\talk.ppt", target = folder + "\\talk.ruvo";
  std::vector<Bytes> pngs = SetSlides(1);
  ppt.FullName = "Z:\\elsewhere\\Talk.pptx";

  char out[MAX_PATH] = "";
  EXPECT_EQ(Export(out, pptName.c_str()), int32_t(target.size()));
  EXPECT_EQ(out, target);
  EXPECT_EQ(ReadFileBytes(target), ExpectedModule("Talk.pptx", pngs, 0));
  EXPECT_EQ(ReadFileBytes(temp.Path("talk.ruvo")), ExpectedModule("Z:\\elsewhere\\Talk.pptx", pngs, 0));
  DeleteFileA(target.c_str());
  RemoveDirectoryA(folder.c_str());
}

// The module next to the presentation is open elsewhere: the result is the temporary module.
TEST_F(PresentationExport, TargetHeldOpenFallsBackToTheTemporaryModule) {
  std::vector<Bytes> pngs = SetSlides(2);
  Bytes old(3000, 0x5A);
  WriteFileBytes(Target(), old);
  char out[MAX_PATH] = "";
  {
    THeldOpen held(Target());
    ASSERT_NE(held.h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Export(out), int32_t(TempModule().size()));
  }
  EXPECT_EQ(out, TempModule());
  EXPECT_EQ(ReadFileBytes(Target()), old);
  EXPECT_EQ(FilesIn(temp.Dir()), std::vector<std::string>{"deck.ruvo"});
  std::string talksName = talks.Dir().substr(talks.Dir().rfind('\\') + 1);
  EXPECT_EQ(ReadFileBytes(TempModule()), ExpectedModule("..\\" + talksName + "\\deck.ppt", pngs, 0));
  EXPECT_TRUE(boxes.Texts().empty());
}

// The free space of a folder that does not exist cannot be told: no room, no message, result 0.
TEST_F(PresentationExport, NoRoomLeavesOnlyTheTemporaryModule) {
  SetSlides(1);
  std::string missing = talks.Path("missing\\deck.ppt");
  char out[MAX_PATH] = "untouched";
  EXPECT_EQ(Export(out, missing.c_str()), 0);
  EXPECT_STREQ(out, "untouched");
  EXPECT_EQ(FilesIn(temp.Dir()), std::vector<std::string>{"deck.ruvo"});
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(PresentationExport, FailuresReplaceNothingLeaveNothingAndShowOneMessage) {
  const Bytes old(4000, 0x42);
  const struct {
    const char* name;
    std::function<void(TFakePowerPoint&)> inject;
    std::string message;
  } cases[] = {
      {"Export raises", [](TFakePowerPoint& p) { p.Slides[1].Fault = TExportFault::Raise; },
       "Slide.Export : Invalid request.  The specified file cannot be written."},
      {"Export writes nothing", [](TFakePowerPoint& p) { p.Slides[1].Fault = TExportFault::WriteNothing; },
       "PowerPoint exported no picture of the slide"},
      {"Export writes an empty file", [](TFakePowerPoint& p) { p.Slides[1].Fault = TExportFault::WriteEmpty; },
       "PowerPoint exported no picture of the slide"},
      {"count changes before the slides",
       [](TFakePowerPoint& p) {
         p.CountAnswers = {3, 2};
       },
       "The number of slides changed during the export, from 3 to 2."},
      {"count changes during the slides",
       [](TFakePowerPoint& p) {
         p.CountAnswers = {3, 3, 4};
       },
       "The number of slides changed during the export, from 3 to 4."},
      {"count larger than the slides",
       [](TFakePowerPoint& p) {
         p.CountAnswers = {4, 4};
       },
       "Slides.Item : Integer 4 out of range 1 to 3."},
      {"slide index above the count", [](TFakePowerPoint& p) { p.Slides[1].SlideIndex = 7; },
       "Slide 2 reports the slide number 7, outside 1 to 3."},
      {"slide index 0", [](TFakePowerPoint& p) { p.Slides[0].SlideIndex = 0; },
       "Slide 1 reports the slide number 0, outside 1 to 3."},
      {"slide index repeated", [](TFakePowerPoint& p) { p.Slides[2].SlideIndex = 1; },
       "Slide 3 reports the slide number 1, which an earlier slide has."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TFakePowerPoint failing;
    failing.FullName = Presentation();
    for (int i = 1; i <= 3; ++i) failing.Slides.push_back(TFakeSlide{i, MakeTestPng(20, 10, uint32_t(i))});
    c.inject(failing);
    WriteFileBytes(Target(), old);
    size_t shown = boxes.Texts().size();

    char out[MAX_PATH] = "untouched";
    VARIANT v = failing.Presentation();
    EXPECT_EQ(exportFn(v, Presentation().c_str(), out), 0);
    VariantClear(&v);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(ReadFileBytes(Target()), old);
    EXPECT_TRUE(FilesIn(temp.Dir()).empty());
    EXPECT_EQ(failing.LiveObjects(), 0);
    std::vector<std::string> texts = boxes.Texts();
    ASSERT_EQ(texts.size(), shown + 1);
    EXPECT_NE(texts.back().find(c.message), std::string::npos) << texts.back();
  }
}

// A temporary module that another program holds open cannot be created: a clear failure, and the
// file that was not ours stays.
TEST_F(PresentationExport, TemporaryModuleHeldOpenIsAFailure) {
  SetSlides(2);
  Bytes theirs(100, 0x11), old(200, 0x22);
  WriteFileBytes(TempModule(), theirs);
  WriteFileBytes(Target(), old);
  char out[MAX_PATH] = "untouched";
  {
    THeldOpen held(TempModule());
    EXPECT_EQ(Export(out), 0);
  }
  EXPECT_STREQ(out, "untouched");
  EXPECT_EQ(ReadFileBytes(TempModule()), theirs);
  EXPECT_EQ(ReadFileBytes(Target()), old);
  EXPECT_EQ(FilesIn(temp.Dir()), std::vector<std::string>{"deck.ruvo"});
  std::vector<std::string> texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].find("Cannot create file"), 0u) << texts[0];
}

// Slide picture names already taken in the temporary folder are neither overwritten nor deleted.
TEST_F(PresentationExport, PictureNamesNeverTakeAFileThatWasNotOurs) {
  for (int n = 0; n < 1024; ++n)
    if (n % 2 == 0) WriteFileBytes(temp.Path("ruvo" + std::to_string(n) + ".png"), Bytes{uint8_t(n)});
  SetSlides(3);
  char out[MAX_PATH] = "";
  EXPECT_EQ(Export(out), int32_t(Target().size()));
  for (const std::string& file : ppt.ExportedFiles()) {
    int n = std::stoi(file.substr(temp.Path("ruvo").size()));
    EXPECT_EQ(n % 2, 1) << file;
  }
  for (int n = 0; n < 1024; n += 2)
    ASSERT_EQ(ReadFileBytes(temp.Path("ruvo" + std::to_string(n) + ".png")), Bytes{uint8_t(n)}) << n;
  EXPECT_EQ(FilesIn(temp.Dir()).size(), 512u + 1);  // theirs and the temporary module
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(PresentationExport, ArgumentsThatHoldNoPresentation) {
  WriteFileBytes(Target(), Bytes(10, 1));
  char out[MAX_PATH] = "untouched";
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_I4;
  number.lVal = 7;
  EXPECT_EQ(exportFn(number, Presentation().c_str(), out), 0);

  // An object that is not a presentation: the automation error names the missing member.
  auto* other = new TFakeDispatch("Other");
  VARIANT object;
  VariantInit(&object);
  object.vt = VT_DISPATCH;
  object.pdispVal = other;
  EXPECT_EQ(exportFn(object, Presentation().c_str(), out), 0);
  EXPECT_EQ(object.vt, VT_DISPATCH);
  EXPECT_EQ(other->References(), 1);
  VariantClear(&object);

  VARIANT v = ppt.Presentation();
  EXPECT_EQ(exportFn(v, nullptr, out), 0);
  EXPECT_EQ(exportFn(v, "", out), 0);
  EXPECT_EQ(exportFn(v, Presentation().c_str(), nullptr), 0);
  VariantClear(&v);

  EXPECT_STREQ(out, "untouched");
  EXPECT_EQ(ReadFileBytes(Target()), Bytes(10, 1));
  EXPECT_TRUE(FilesIn(temp.Dir()).empty());
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                               "The export was given no presentation object.",
                               "Method 'Slides' not supported by automation object",
                               "The export was given no presentation file name.",
                               "The export was given no presentation file name.",
                               "The export was given no buffer for the module's path.",
                           }));
}

// The export's message processing lets the add-in call again: that call gets a message and 0,
// and the running export goes on.
TEST_F(PresentationExport, NestedCallIsRefused) {
  SetSlides(2);
  int32_t nested = -1;
  char nestedOut[MAX_PATH] = "untouched";
  ppt.OnExport = [&](int32_t item, const std::string&) {
    if (item != 1) return;
    VARIANT again = ppt.Presentation();
    nested = exportFn(again, Presentation().c_str(), nestedOut);
    VariantClear(&again);
  };
  char out[MAX_PATH] = "";
  EXPECT_EQ(Export(out), int32_t(Target().size()));
  EXPECT_EQ(nested, 0);
  EXPECT_STREQ(nestedOut, "untouched");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"An export is already running. Wait until it has finished."});
}

// The add-in pushes the VARIANT's four words by value; the export removes all six words.
TEST_F(PresentationExport, RawStdcallCallWithTheVariantOnTheStack) {
  SetSlides(1);
  VARIANT v = ppt.Presentation();
  uint32_t words[4];
  static_assert(sizeof(VARIANT) == sizeof words, "a VARIANT is four words");
  memcpy(words, &v, sizeof words);
  char out[MAX_PATH] = "";
  int32_t moved = -1;
  int32_t result = RawExportCall(reinterpret_cast<void*>(exportFn), words, Presentation().c_str(), out, &moved);
  EXPECT_EQ(moved, 0);
  EXPECT_EQ(result, int32_t(Target().size()));
  EXPECT_EQ(out, Target());
  VariantClear(&v);
  EXPECT_EQ(ppt.LiveObjects(), 0);
}
