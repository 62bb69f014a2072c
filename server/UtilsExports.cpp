// The path, monitor, dialog and file-search functions. Three export names are also Win32 macros;
// they are undefined here, so this file must not use the Win32 functions of those names.
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "PathRules.h"
#include "UtilsUnit.h"

#undef FindFirstFile
#undef FindNextFile
#undef GetMonitorInfo

namespace {
int32_t Dialog(TFileDialogKind kind, char* buffer) {
  std::string fileName;
  return RunFileDialog(kind, fileName) ? StringOut(fileName, buffer) : 0;
}
}  // namespace

RUVO_EXPORT(int32_t) ConvertPPTToDMFileName(const char* pptFileName, char* buffer) {
  RUVO_GUARDED(0, return StringOut(PPTToDMFileName(StringIn(pptFileName)), buffer);)
}

RUVO_EXPORT(int32_t) GetMonitorCount() {
  RUVO_GUARDED(0, return MonitorCount();)
}

// A number that names no monitor leaves the outputs as they were.
RUVO_EXPORT(void) GetMonitorInfo(int32_t monitorNum, int32_t* left, int32_t* top, int32_t* width,
                                 int32_t* height) {
  RUVO_GUARDED(, {
    RECT r;
    if (!MonitorBounds(monitorNum, r)) return;
    if (left) *left = r.left;
    if (top) *top = r.top;
    if (width) *width = r.right - r.left;
    if (height) *height = r.bottom - r.top;
  })
}

RUVO_EXPORT(int32_t) RelativePath(const char* baseName, const char* destName, char* buffer) {
  RUVO_GUARDED(0, return StringOut(MakeRelativePath(StringIn(baseName), StringIn(destName)), buffer);)
}

RUVO_EXPORT(int32_t) ExpandPath(const char* name, char* buffer) {
  RUVO_GUARDED(0, return StringOut(ExpandFileName(StringIn(name)), buffer);)
}

// The dialogs leave the buffer untouched and return 0 when cancelled.
RUVO_EXPORT(int32_t) FileOpenDialog(char* buffer) {
  RUVO_GUARDED(0, return Dialog(TFileDialogKind::Open, buffer);)
}

RUVO_EXPORT(int32_t) FileSaveDialog(char* buffer) {
  RUVO_GUARDED(0, return Dialog(TFileDialogKind::Save, buffer);)
}

RUVO_EXPORT(int32_t) InsertWMPMovieDialog(char* buffer) {
  RUVO_GUARDED(0, return Dialog(TFileDialogKind::WMPMovie, buffer);)
}

RUVO_EXPORT(int32_t) InsertFlashMovieDialog(char* buffer) {
  RUVO_GUARDED(0, return Dialog(TFileDialogKind::FlashMovie, buffer);)
}

RUVO_EXPORT(int32_t) UserAppDataFolder(char* buffer) {
  RUVO_GUARDED(0, return StringOut(AppDataFolder(), buffer);)
}

RUVO_EXPORT(TFileSearch*) FindFirstFile(const char* mask) {
  RUVO_GUARDED(nullptr, return TFileSearch::Start(StringIn(mask)).release();)
}

RUVO_EXPORT(int32_t) FindNextFile(TFileSearch* search) {
  RUVO_GUARDED(0, return search && search->Next() ? -1 : 0;)
}

RUVO_EXPORT(void) FindCloseFile(TFileSearch* search) {
  RUVO_GUARDED(, delete search;)
}

// Still the last name found after FindNextFile has run out.
RUVO_EXPORT(int32_t) FindGetFileName(TFileSearch* search, char* buffer) {
  RUVO_GUARDED(0, return search ? StringOut(search->Name(), buffer) : 0;)
}
