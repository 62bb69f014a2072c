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
#include "FileRemover.h"
#include "FileSizes.h"
#include "FileStream.h"
#include "ModuleFileWriter.h"
#include "PacedProgress.h"
#include "PathRules.h"
#include "ProgressStatusUnit.h"
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

// Progress bar positions are 32-bit; slide counts near the limit saturate.
int32_t Bar(int64_t position) { return int32_t(std::min<int64_t>(position, std::numeric_limits<int32_t>::max())); }

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

  TModuleFileWriter module(tempModule, TempModulePresentationPath(tempModule, fullName), n, named + 1);
  TModuleFileWriter copy(tempCopy, TempCopyPresentationPath(fullName), n, named + 1);
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
