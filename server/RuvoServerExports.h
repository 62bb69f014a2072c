// Every function Ruvo_Server.dll exports (Ruvo_Server.def gives their ordinals), declared once for
// the export files that define them and for the launcher, which imports some and exports others.
// The add-in declares them by name from VBA: stdcall, undecorated through the .def, and never
// letting an exception out. Handles are the library's own objects, opaque to the add-in.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oaidl.h>

#include <cstdint>

// Three export names are also Win32 macros; a file that includes this header must use the Win32
// functions of those names by their A or W names.
#undef FindFirstFile
#undef FindNextFile
#undef GetMonitorInfo

struct TDesigner;
struct TDesignerModule;
struct TSlideInfo;
class TCustomIniFile;
class TFileSearch;
class TMainForm;  // the presenter window (screens/MainUnit.h), not the launcher's
class TProgressForm;
class TStream;

#define RUVO_EXPORT(type) extern "C" type __stdcall

// The flag bits of SetDesignerModuleParams and GetDesignerModuleParams: which values they touch.
constexpr int32_t kModulePresentationFileName = 1;
constexpr int32_t kModuleSlideInfoCount = 2;
constexpr int32_t kModuleSlideShowCount = 4;

// The flag bits of SetSlideShowInfoParams and GetSlideShowInfoParams.
constexpr int32_t kSlideShowName = 1;
constexpr int32_t kSlideShowIndexCount = 2;
constexpr int32_t kSlideShowKind = 4;

// The flag bits of GetDesignerParams.
constexpr int32_t kDesignerPresentationFileName = 1;
constexpr int32_t kDesignerModuleFileName = 2;
constexpr int32_t kDesignerSlideShowName = 4;
constexpr int32_t kDesignerThumbnailSlide = 8;

// Paths, monitors, dialogs and file search (UtilsExports.cpp).
RUVO_EXPORT(int32_t) ConvertPPTToDMFileName(const char* pptFileName, char* buffer) noexcept;
RUVO_EXPORT(int32_t) GetMonitorCount() noexcept;
RUVO_EXPORT(void)
GetMonitorInfo(int32_t monitorNum, int32_t* left, int32_t* top, int32_t* width, int32_t* height) noexcept;
RUVO_EXPORT(int32_t) RelativePath(const char* baseName, const char* destName, char* buffer) noexcept;
RUVO_EXPORT(int32_t) ExpandPath(const char* name, char* buffer) noexcept;
RUVO_EXPORT(int32_t) FileOpenDialog(char* buffer) noexcept;
RUVO_EXPORT(int32_t) FileSaveDialog(char* buffer) noexcept;
RUVO_EXPORT(int32_t) InsertWMPMovieDialog(char* buffer) noexcept;
RUVO_EXPORT(int32_t) InsertFlashMovieDialog(char* buffer) noexcept;
RUVO_EXPORT(int32_t) UserAppDataFolder(char* buffer) noexcept;
RUVO_EXPORT(TFileSearch*) FindFirstFile(const char* mask) noexcept;
RUVO_EXPORT(int32_t) FindNextFile(TFileSearch* search) noexcept;
RUVO_EXPORT(void) FindCloseFile(TFileSearch* search) noexcept;
RUVO_EXPORT(int32_t) FindGetFileName(TFileSearch* search, char* buffer) noexcept;

// The command mailbox (MailboxExports.cpp).
RUVO_EXPORT(int32_t) GetCommand(char* buffer, int32_t* len, int32_t* id) noexcept;
RUVO_EXPORT(void) GetCommandParam1Int(int32_t* value) noexcept;
RUVO_EXPORT(int32_t) GetCommandParam2String(char* buffer) noexcept;
RUVO_EXPORT(int32_t) GetCommandParam1String(char* buffer) noexcept;
RUVO_EXPORT(void) GetCommandParam2Int(int32_t* value) noexcept;

// Designers and their INI files (DesignerExports.cpp).
RUVO_EXPORT(TDesigner*) CreateDesigner() noexcept;
RUVO_EXPORT(void) DestroyDesigner(TDesigner* designer) noexcept;
RUVO_EXPORT(void)
SetDesignerParams(TDesigner* designer, int32_t index, const char* presentationFileName, const char* moduleFileName,
                  const char* slideShowName, int32_t thumbnailSlide) noexcept;
RUVO_EXPORT(void)
GetDesignerParams(TDesigner* designer, int32_t index, int32_t flags, char* presentationBuffer, char* moduleBuffer,
                  char* slideShowBuffer, int32_t* presentationLength, int32_t* moduleLength, int32_t* slideShowLength,
                  int32_t* thumbnailSlide) noexcept;
RUVO_EXPORT(TCustomIniFile*) CreateDesignerFile(const char* fileName) noexcept;
RUVO_EXPORT(TCustomIniFile*) OpenDesignerFile(const char* fileName) noexcept;
RUVO_EXPORT(void) CloseDesignerFile(TCustomIniFile* designerFile) noexcept;
RUVO_EXPORT(void) WriteDesignerToFile(TDesigner* designer, TCustomIniFile* designerFile) noexcept;
RUVO_EXPORT(void) ReadDesignerFromFile(TDesigner* designer, TCustomIniFile* designerFile) noexcept;

// Module records and module files (ModuleExports.cpp).
RUVO_EXPORT(TDesignerModule*) CreateDesignerModule() noexcept;
RUVO_EXPORT(void) DestroyDesignerModule(TDesignerModule* module) noexcept;
RUVO_EXPORT(void)
SetDesignerModuleParams(TDesignerModule* module, int32_t flags, const char* presentationFileName,
                        int32_t slideInfoCount, int32_t slideShowCount) noexcept;
RUVO_EXPORT(void)
GetDesignerModuleParams(TDesignerModule* module, int32_t flags, char* nameBuffer, int32_t* nameLength,
                        int32_t* slideInfoCount, int32_t* slideShowCount) noexcept;
// The library's register convention: module in EAX, slide number in EDX, result in EAX.
extern "C" __attribute__((regparm(2))) TSlideInfo* FindSlideInfo(TDesignerModule* module, int32_t slideIndex) noexcept;
RUVO_EXPORT(void)
SetSlideInfoParams(TDesignerModule* module, int32_t index, int32_t slideIndex, int32_t offset, int32_t size,
                   int32_t compressedSize) noexcept;
RUVO_EXPORT(void)
GetSlideInfoParams(TDesignerModule* module, int32_t index, int32_t* slideIndex, int32_t* offset, int32_t* size,
                   int32_t* compressedSize) noexcept;
RUVO_EXPORT(void)
SetSlideShowInfoParams(TDesignerModule* module, int32_t showIndex, int32_t flags, const char* name, int32_t indexCount,
                       int32_t kind) noexcept;
RUVO_EXPORT(void)
GetSlideShowInfoParams(TDesignerModule* module, int32_t showIndex, int32_t flags, char* nameBuffer, int32_t* nameLength,
                       int32_t* indexCount, int32_t* kind) noexcept;
RUVO_EXPORT(void)
SetSlideShowInfoIndices(TDesignerModule* module, int32_t showIndex, int32_t position, int32_t slideIndex) noexcept;
RUVO_EXPORT(TStream*) CreateDesignerModuleFile(const char* fileName) noexcept;
RUVO_EXPORT(TStream*) OpenDesignerModuleFile(const char* fileName) noexcept;
RUVO_EXPORT(void) CloseDesignerModuleFile(TStream* moduleFile) noexcept;
RUVO_EXPORT(void) WriteDesignerModuleToFile(TDesignerModule* module, TStream* moduleFile) noexcept;
RUVO_EXPORT(void) ReadDesignerModuleFromFile(TDesignerModule* module, TStream* moduleFile) noexcept;
RUVO_EXPORT(void)
WriteSlideToFile(TStream* moduleFile, const char* sourceFileName, int32_t* offset, int32_t* size,
                 int32_t* compressedSize) noexcept;
RUVO_EXPORT(void)
ExtractSlideFromFile(TStream* moduleFile, const char* destFileName, int32_t offset, int32_t size) noexcept;

// Progress windows by handle, and the one global progress window (ProgressExports.cpp).
RUVO_EXPORT(TProgressForm*) CreateProgressObject() noexcept;
RUVO_EXPORT(void) DestroyProgressObject(TProgressForm* form) noexcept;
RUVO_EXPORT(void) SetProgressObjectText(TProgressForm* form, const char* text) noexcept;
RUVO_EXPORT(void) ShowProgressObject(TProgressForm* form) noexcept;
RUVO_EXPORT(void) CreateProgressForm() noexcept;
RUVO_EXPORT(void) DestroyProgressForm() noexcept;
RUVO_EXPORT(void) ShowProgressForm() noexcept;
RUVO_EXPORT(void) SetProgressParams(int32_t position, int32_t min, int32_t max, const char* text) noexcept;
RUVO_EXPORT(void) SetProgressStatus(int32_t position) noexcept;
RUVO_EXPORT(void) SetProgressText(const char* text) noexcept;

// The presenter window, its slide-show screens and its selector (PresenterExports.cpp).
RUVO_EXPORT(TMainForm*) CreatePresenter() noexcept;
RUVO_EXPORT(void) ShowPresenter() noexcept;
RUVO_EXPORT(void) HidePresenter() noexcept;
RUVO_EXPORT(void) ClosePresenter() noexcept;
RUVO_EXPORT(void) SetFocusOnPresenter() noexcept;
RUVO_EXPORT(void) CreateSSWForm(const char* name, TDesignerModule* module, TStream* stream) noexcept;
RUVO_EXPORT(void) DestroySSWForm(const char* name) noexcept;
RUVO_EXPORT(void) ShowSSWForm(const char* name) noexcept;
RUVO_EXPORT(void) HideSSWForm(const char* name) noexcept;
RUVO_EXPORT(void) ShowNotes(const char* name) noexcept;
RUVO_EXPORT(void) HideNotes(const char* name) noexcept;
RUVO_EXPORT(void) UpdateNotesText(const char* name, const wchar_t* text) noexcept;
RUVO_EXPORT(void) UpdateSlideImagesIndex(const char* name, int32_t current, int32_t previous, int32_t next) noexcept;
RUVO_EXPORT(void) UpdateCurrentAnimationsCount(const char* name, int32_t current, int32_t total) noexcept;
RUVO_EXPORT(void) ShowMediaControls(const char* name, int32_t show) noexcept;
RUVO_EXPORT(void) SetMediaState(const char* name, int32_t playing) noexcept;
RUVO_EXPORT(void) ShowPresenterFrame(const char* name) noexcept;
RUVO_EXPORT(void) ShowShowButton(const char* name) noexcept;
RUVO_EXPORT(void) ShowBlankButton(const char* name) noexcept;
RUVO_EXPORT(void) ShowPresentationSelectorFrame() noexcept;
RUVO_EXPORT(void) ShowPresentationSelectionSelectorFrame() noexcept;
RUVO_EXPORT(void) ShowPresentationManageSelectorFrame() noexcept;
RUVO_EXPORT(void) ShowFileBrowserFrame() noexcept;
RUVO_EXPORT(void)
LoadSelectorThumbnail(int32_t index, TDesignerModule* module, TStream* stream, int32_t slideKey,
                      const char* fileName) noexcept;
RUVO_EXPORT(void) SwapSelectorThumbnail(int32_t a, int32_t b) noexcept;
RUVO_EXPORT(int32_t) GetCurrentSelectorLevel() noexcept;
RUVO_EXPORT(int32_t) GetMinSelectorLevel() noexcept;
RUVO_EXPORT(int32_t) GetMaxSelectorLevel() noexcept;
RUVO_EXPORT(void) SetSelectorLevel(int32_t level) noexcept;
RUVO_EXPORT(void) GetSelectorDimensions(int32_t level, int32_t* columns, int32_t* rows) noexcept;

// The presentation export (export/ExportPPTToModuleComponentsUnit.cpp).
RUVO_EXPORT(int32_t)
PresenterExportPresToModules(VARIANT Presentation, const char* PptFileName, char* OutFileName) noexcept;

// Slide-show window tracking (export/WinProcUnit.cpp).
RUVO_EXPORT(void) RuvoSlideShowTerminated(const char* FullPath) noexcept;
RUVO_EXPORT(void) RuvoSlideShowStarted(const char* FullPath) noexcept;
