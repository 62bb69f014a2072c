// The path, monitor, dialog and file-search functions. Three export names are also Win32 macros,
// which RuvoServerExports.h undefines, so this file must not use the Win32 functions of those names.
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "PathRules.h"
#include "RuvoServerExports.h"
#include "UtilsUnit.h"

namespace {
int32_t Dialog(TFileDialogKind kind, char* buffer) {
  std::string fileName;
  return RunFileDialog(kind, fileName) ? StringOut(fileName, buffer) : 0;
}
}  // namespace

RUVO_EXPORT(int32_t) ConvertPPTToDMFileName(const char* pptFileName, char* buffer) noexcept {
  try {
    return StringOut(PPTToDMFileName(StringIn(pptFileName)), buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) GetMonitorCount() noexcept {
  try {
    return MonitorCount();
  }
  RUVO_CATCH(0)
}

// A number that names no monitor leaves the outputs as they were.
RUVO_EXPORT(void)
GetMonitorInfo(int32_t monitorNum, int32_t* left, int32_t* top, int32_t* width, int32_t* height) noexcept {
  try {
    RECT r;
    if (!MonitorBounds(monitorNum, r)) return;
    if (left) *left = r.left;
    if (top) *top = r.top;
    if (width) *width = r.right - r.left;
    if (height) *height = r.bottom - r.top;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(int32_t) RelativePath(const char* baseName, const char* destName, char* buffer) noexcept {
  try {
    return StringOut(MakeRelativePath(StringIn(baseName), StringIn(destName)), buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) ExpandPath(const char* name, char* buffer) noexcept {
  try {
    return StringOut(ExpandFileName(StringIn(name)), buffer);
  }
  RUVO_CATCH(0)
}

// The dialogs leave the buffer untouched and return 0 when cancelled.
RUVO_EXPORT(int32_t) FileOpenDialog(char* buffer) noexcept {
  try {
    return Dialog(TFileDialogKind::Open, buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) FileSaveDialog(char* buffer) noexcept {
  try {
    return Dialog(TFileDialogKind::Save, buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) InsertWMPMovieDialog(char* buffer) noexcept {
  try {
    return Dialog(TFileDialogKind::WMPMovie, buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) InsertFlashMovieDialog(char* buffer) noexcept {
  try {
    return Dialog(TFileDialogKind::FlashMovie, buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(int32_t) UserAppDataFolder(char* buffer) noexcept {
  try {
    return StringOut(AppDataFolder(), buffer);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(TFileSearch*) FindFirstFile(const char* mask) noexcept {
  try {
    return TFileSearch::Start(StringIn(mask)).release();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(int32_t) FindNextFile(TFileSearch* search) noexcept {
  try {
    return search && search->Next() ? -1 : 0;
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(void) FindCloseFile(TFileSearch* search) noexcept {
  try {
    delete search;
  }
  RUVO_CATCH()
}

// Still the last name found after FindNextFile has run out.
RUVO_EXPORT(int32_t) FindGetFileName(TFileSearch* search, char* buffer) noexcept {
  try {
    return search ? StringOut(search->Name(), buffer) : 0;
  }
  RUVO_CATCH(0)
}
