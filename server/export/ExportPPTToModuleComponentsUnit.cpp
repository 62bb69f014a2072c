#include "ExportPPTToModuleComponentsUnit.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "Automation.h"
#include "ExportGuard.h"
#include "ExportNames.h"
#include "ExportStrings.h"
#include "FileStream.h"
#include "ModuleFormat.h"
#include "PathRules.h"
#include "ProgressStatusUnit.h"
#include "ProgressThrottle.h"
#include "RuvoError.h"
#include "RuvoServerExports.h"
#include "StreamCopy.h"
#include "UtilsUnit.h"

namespace {

// Each start and end runs once per load: the start counts down, the end back up to 0.
int gOleCounter = 0;
// OLE is released only where it was initialised: a thread whose COM runs in another mode keeps it.
bool gOleInitialised = false;
DWORD gOleThread = 0;

// Set while an export runs: the messages it dispatches may let the add-in call it again.
bool gExporting = false;

constexpr int kPictureNumbers = 1024;

// Deletes a file of ours when it goes out of scope, unless kept.
class TFileRemover {
 public:
  TFileRemover() = default;
  explicit TFileRemover(std::string path) : path_(std::move(path)) {}
  ~TFileRemover() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  TFileRemover(TFileRemover&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TFileRemover& operator=(TFileRemover&& other) noexcept {
    std::swap(path_, other.path_);
    return *this;
  }
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

// Progress bar positions are 32-bit; slide counts near the limit saturate.
int32_t Bar(int64_t position) { return int32_t(std::min<int64_t>(position, std::numeric_limits<int32_t>::max())); }

// A slide's picture compressed once: the same block goes into both modules, which thus cost one
// compression, not two.
struct TSlideBlock {
  TMemoryStream bytes;
  int32_t size = 0;
};

TSlideBlock CompressPicture(const std::string& picture) {
  TFileStream source(picture, TFileStream::TMode::OpenRead);
  TSlideBlock block;
  int32_t offset = 0, compressedSize = 0;
  WriteSlideBlock(block.bytes, source, offset, block.size, compressedSize);
  return block;
}

// One of the two modules: its record and its file, written header first, then the blocks, then
// the header again over the first. The file is removed again unless kept.
class TModuleWriter {
 public:
  TModuleWriter(const std::string& fileName, const std::string& presentationPath, int32_t slides, int32_t shows) {
    module_.PresentationFileName = presentationPath;
    module_.SlideInfos.resize(size_t(slides));
    module_.SlideShowInfos.resize(size_t(shows));
    TSlideShowInfo& all = module_.SlideShowInfos[0];
    all.Name = "All slides";
    all.Indices.resize(size_t(slides));
    all.Kind = 1;
    file_ = std::make_unique<TFileStream>(fileName, TFileStream::TMode::CreateReadWrite);
    created_ = TFileRemover(fileName);
    WriteHeader();
  }

  // Appends the block and says where it lies.
  TSlideInfo WriteSlide(const TSlideBlock& block) {
    const std::vector<uint8_t>& bytes = block.bytes.Bytes();
    int64_t offset = file_->Position();
    if (offset + int64_t(bytes.size()) > std::numeric_limits<int32_t>::max())
      throw ERuvoError(Format("The module file \"%s\" would grow beyond 2 GB.", file_->Name().c_str()));
    file_->Write(bytes.data(), bytes.size());
    TSlideInfo e;
    e.Offset = int32_t(offset);
    e.Size = block.size;
    e.CompressedSize = int32_t(bytes.size());
    return e;
  }
  void SetSlide(int32_t k, TSlideInfo e) {
    e.SlideIndex = k;
    module_.SlideInfos[size_t(k) - 1] = e;
    module_.SlideShowInfos[0].Indices[size_t(k) - 1] = k;
  }
  void Finish() {
    WriteHeader();
    file_.reset();
  }
  void Keep() { created_.Keep(); }

 private:
  void WriteHeader() {
    file_->Seek(0);
    WriteModuleHeader(*file_, module_);
  }

  TDesignerModule module_;
  TFileRemover created_;  // declared before the file, so the file is closed before it is removed
  std::unique_ptr<TFileStream> file_;
};

void ExpectSlideCount(IDispatch* slides, int32_t count) {
  int32_t now = Get(slides, "Count").AsInt32();
  if (now != count)
    throw ERuvoError(Format("The number of slides changed during the export, from %d to %d.", count, now));
}

// Creates a slide picture file that did not exist, so that the name is ours alone.
std::string ReserveSlidePictureName(const std::string& folder) {
  static std::minstd_rand random(GetTickCount() ^ GetCurrentProcessId());
  int first = std::uniform_int_distribution<int>(0, kPictureNumbers - 1)(random);
  for (int i = 0; i < kPictureNumbers; ++i) {
    std::string name = SlidePictureName(folder, (first + i) % kPictureNumbers);
    HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      CloseHandle(h);
      return name;
    }
    DWORD err = GetLastError();
    if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS && err != ERROR_ACCESS_DENIED)
      throw ERuvoError(Format("Cannot create file \"%s\". %s", name.c_str(), SysErrorMessage(err).c_str()));
  }
  throw ERuvoError(Format("The temporary folder \"%s\" has no free name for a slide picture.", folder.c_str()));
}

// -1 when the file does not exist.
int64_t FileSizeOf(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return int64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

class TProgressReport : public TCopyProgress {
 public:
  explicit TProgressReport(IProgressStatus* progress) : progress_(progress) {}
  void SetParams(int32_t position, int32_t min, int32_t max) override { progress_->SetParams(position, min, max); }
  void SetPosition(int32_t position) override { progress_->SetPosition(position); }
  void ProcessMessages() override { progress_->ProcessMessages(); }

 private:
  IProgressStatus* progress_;
};

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return double(now.QuadPart) / double(frequency.QuadPart);
}

// The window's progress operations, paced: each repaints the window at once, which can cost more
// than a slide or a block of bytes.
class TPacedProgress : public TProgressThrottle {
 public:
  explicit TPacedProgress(IProgressStatus* progress) : TProgressThrottle(report_, Seconds), report_(progress) {}

 private:
  TProgressReport report_;
};

// Bytes free to the caller on the folder's drive; 0 when the system cannot tell.
int64_t FreeBytes(const std::string& folder) {
  ULARGE_INTEGER free{};
  if (!GetDiskFreeSpaceExA(folder.c_str(), &free, nullptr, nullptr)) return 0;
  return int64_t(std::min<ULONGLONG>(free.QuadPart, ULONGLONG(std::numeric_limits<int64_t>::max())));
}

int64_t MeasureFile(const std::string& name) { return TFileStream(name, TFileStream::TMode::OpenRead).Size(); }

// The body of ExportHelper; raises on failure, leaving no file of its own behind.
void WriteModules(IDispatch* presentation, const std::string& tempModule, const std::string& tempCopy,
                  IProgressStatus* window) {
  TPacedProgress progress(window);
  TDispatch slides = Get(presentation, "Slides").AsDispatch();
  int32_t n = Get(slides.Get(), "Count").AsInt32();
  if (n < 0) throw ERuvoError(Format("The presentation reports %d slides.", n));
  progress.SetParams(0, 0, Bar(2 * int64_t(n)));
  std::string fullName = Get(presentation, "FullName").AsText();
  TDispatch settings = Get(presentation, "SlideShowSettings").AsDispatch();
  TDispatch namedShows = Get(settings.Get(), "NamedSlideShows").AsDispatch();
  int32_t named = Get(namedShows.Get(), "Count").AsInt32();
  if (named < 0 || named == std::numeric_limits<int32_t>::max())
    throw ERuvoError(Format("The presentation reports %d named slide shows.", named));

  TModuleWriter module(tempModule, TempModulePresentationPath(tempModule, fullName), n, named + 1);
  TModuleWriter copy(tempCopy, TempCopyPresentationPath(fullName), n, named + 1);
  ExpectSlideCount(slides.Get(), n);
  std::vector<bool> seen(size_t(n), false);
  for (int32_t i = 1; i <= n; ++i) {
    progress.ProcessMessages();
    TDispatch slide = Call(slides.Get(), "Item", {TVariant(i)}).AsDispatch();
    TFileRemover picture(ExportSlidePicture(slide.Get()));
    progress.ProcessMessages();
    TSlideBlock block = CompressPicture(picture.Path());
    TSlideInfo inModule = module.WriteSlide(block);
    progress.ProcessMessages();
    // The slide's number indexes both modules' arrays.
    int32_t k = Get(slide.Get(), "SlideIndex").AsInt32();
    if (k < 1 || k > n) throw ERuvoError(Format("Slide %d reports the slide number %d, outside 1 to %d.", i, k, n));
    if (seen[size_t(k) - 1])
      throw ERuvoError(Format("Slide %d reports the slide number %d, which an earlier slide has.", i, k));
    seen[size_t(k) - 1] = true;
    module.SetSlide(k, inModule);
    progress.SetPosition(Bar(2 * int64_t(i) - 1));
    progress.ProcessMessages();
    TSlideInfo inCopy = copy.WriteSlide(block);
    progress.ProcessMessages();
    copy.SetSlide(k, inCopy);
    progress.SetPosition(Bar(2 * int64_t(i)));
  }
  ExpectSlideCount(slides.Get(), n);
  module.Finish();
  copy.Finish();
  module.Keep();
  copy.Keep();
}

struct TBusy {
  TBusy() { gExporting = true; }
  ~TBusy() { gExporting = false; }
};

int32_t ExportPresToModules(const VARIANT& presentationArg, const char* pptFileName, char* outFileName) {
  if (gExporting) throw ERuvoError("An export is already running. Wait until it has finished.");
  TBusy busy;
  if (!pptFileName || !*pptFileName) throw ERuvoError("The export was given no presentation file name.");
  if (!outFileName) throw ERuvoError("The export was given no buffer for the module's path.");
  TDispatch presentation = DispatchOf(presentationArg);
  if (!presentation) throw ERuvoError("The export was given no presentation object.");
  std::string tempFolder = TempFolder();
  if (tempFolder.empty()) throw ERuvoError("The system names no temporary folder.");

  std::string ppt = pptFileName;
  TExportNames names = MakeExportNames(ppt, tempFolder);
  {
    TProgressForm window;
    window.SetText(ExportingStatusText(ppt, names).c_str());
    window.Show();
    if (!ExportHelper(presentation.Get(), names.TempModule, names.TempCopy, &window)) return 0;
  }
  // From here a failure removes both; the temporary copy goes in any case.
  TFileRemover tempModule(names.TempModule), tempCopy(names.TempCopy);
  if (!RoomForCopy(MeasureFile(names.TempCopy), FreeBytes(ExtractFilePath(ppt)))) {
    tempModule.Keep();
    return 0;
  }
  bool copied;
  {
    TProgressForm window;
    window.SetText(CopyingStatusText(names).c_str());
    window.Show();
    // Only once the window stands, so that its failure cannot cost the old module.
    DeleteFileA(names.Target.c_str());
    copied = CopyWithProgress(names.TempCopy, names.Target, &window);
  }
  tempModule.Keep();
  return StringOut(copied ? names.Target : names.TempModule, outFileName);
}

}  // namespace

void ExportPPTToModuleComponentsUnitStart() {
  if (gOleCounter-- != 0) return;
  gOleInitialised = SUCCEEDED(OleInitialize(nullptr));
  gOleThread = GetCurrentThreadId();
}

void ExportPPTToModuleComponentsUnitEnd() {
  if (gOleCounter == 0 || ++gOleCounter != 0) return;
  if (gOleInitialised && gOleThread == GetCurrentThreadId()) OleUninitialize();
  gOleInitialised = false;
}

bool ExportHelper(IDispatch* presentation, const std::string& tempModule, const std::string& tempCopy,
                  IProgressStatus* progress) noexcept {
  // A failure is shown while the exporting window is still up.
  try {
    WriteModules(presentation, tempModule, tempCopy, progress);
    return true;
  }
  RUVO_CATCH(false)
}

std::string ExportSlidePicture(IDispatch* slide) {
  TFileRemover picture(ReserveSlidePictureName(TempFolder()));
  Call(slide, "Export", {TVariant(picture.Path()), TVariant(std::string("png"))});
  if (FileSizeOf(picture.Path()) <= 0)
    throw ERuvoError(Format("PowerPoint exported no picture of the slide into \"%s\".", picture.Path().c_str()));
  std::string name = picture.Path();
  picture.Keep();
  return name;
}

bool CopyWithProgress(const std::string& source, const std::string& dest, IProgressStatus* progress) {
  std::unique_ptr<TFileStream> in, out;
  try {
    in = std::make_unique<TFileStream>(source, TFileStream::TMode::OpenRead);
    out = std::make_unique<TFileStream>(dest, TFileStream::TMode::CreateReadWrite);
  } catch (const ERuvoError&) {
    return false;  // the caller falls back to the temporary module
  }
  TPacedProgress report(progress);
  bool complete = false;
  try {
    complete = CopyStreamWithProgress(*in, *out, report);
  } catch (...) {
    out.reset();
    DeleteFileA(dest.c_str());
    throw;
  }
  out.reset();  // the destination first, then the source
  in.reset();
  if (!complete) DeleteFileA(dest.c_str());
  return complete;
}

RUVO_EXPORT(int32_t)
PresenterExportPresToModules(VARIANT Presentation, const char* PptFileName, char* OutFileName) noexcept {
  try {
    return ExportPresToModules(Presentation, PptFileName, OutFileName);
  }
  RUVO_CATCH(0)
}
