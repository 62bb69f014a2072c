// The designer functions: designers in memory and their INI files. Slot indices are 1-based; an
// index outside the slots, or a null handle, makes a call do nothing.
#include <memory>

#include "DesignerFile.h"
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "ProfileIniFile.h"
#include "RuvoServerExports.h"

namespace {
TDesignerPresentation* Slot(TDesigner* designer, int32_t index) {
  if (!designer || index < 1 || size_t(index) > designer->Presentations.size()) return nullptr;
  return &designer->Presentations[size_t(index) - 1];
}
}  // namespace

RUVO_EXPORT(TDesigner*) CreateDesigner() noexcept {
  try {
    return std::make_unique<TDesigner>().release();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) DestroyDesigner(TDesigner* designer) noexcept {
  try {
    delete designer;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
SetDesignerParams(TDesigner* designer, int32_t index, const char* presentationFileName, const char* moduleFileName,
                  const char* slideShowName, int32_t thumbnailSlide) noexcept {
  try {
    TDesignerPresentation* slot = Slot(designer, index);
    if (slot)
      *slot = {StringIn(presentationFileName), StringIn(moduleFileName), StringIn(slideShowName), thumbnailSlide};
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
GetDesignerParams(TDesigner* designer, int32_t index, int32_t flags, char* presentationBuffer, char* moduleBuffer,
                  char* slideShowBuffer, int32_t* presentationLength, int32_t* moduleLength, int32_t* slideShowLength,
                  int32_t* thumbnailSlide) noexcept {
  try {
    const TDesignerPresentation* slot = Slot(designer, index);
    if (!slot) return;
    if (flags & kDesignerPresentationFileName) {
      int32_t n = StringOut(slot->PresentationFileName, presentationBuffer);
      if (presentationLength) *presentationLength = n;
    }
    if (flags & kDesignerModuleFileName) {
      int32_t n = StringOut(slot->ModuleFileName, moduleBuffer);
      if (moduleLength) *moduleLength = n;
    }
    if (flags & kDesignerSlideShowName) {
      int32_t n = StringOut(slot->SlideShowName, slideShowBuffer);
      if (slideShowLength) *slideShowLength = n;
    }
    if ((flags & kDesignerThumbnailSlide) && thumbnailSlide) *thumbnailSlide = slot->ThumbnailSlide;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(TCustomIniFile*) CreateDesignerFile(const char* fileName) noexcept {
  try {
    return std::make_unique<TProfileIniFile>(StringIn(fileName)).release();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(TCustomIniFile*) OpenDesignerFile(const char* fileName) noexcept {
  try {
    return std::make_unique<TProfileIniFile>(StringIn(fileName)).release();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) CloseDesignerFile(TCustomIniFile* designerFile) noexcept {
  try {
    std::unique_ptr<TCustomIniFile> owned(designerFile);
    if (owned) owned->UpdateFile();
  }
  RUVO_CATCH()
}

// A key that cannot be written is reported as "Unable to write to <file>"; keys before it stay.
RUVO_EXPORT(void) WriteDesignerToFile(TDesigner* designer, TCustomIniFile* designerFile) noexcept {
  try {
    if (designer && designerFile) WriteDesignerToIni(*designerFile, *designer);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ReadDesignerFromFile(TDesigner* designer, TCustomIniFile* designerFile) noexcept {
  try {
    if (designer && designerFile) ReadDesignerFromIni(*designerFile, *designer);
  }
  RUVO_CATCH()
}
