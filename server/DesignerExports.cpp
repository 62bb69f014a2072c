// The designer functions: designers in memory and their INI files. Slot indices are 1-based; an
// index outside the slots, or a null handle, makes a call do nothing.
#include <memory>

#include "DesignerFile.h"
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "ProfileIniFile.h"

namespace {
TDesignerPresentation* Slot(TDesigner* designer, int32_t index) {
  if (!designer || index < 1 || size_t(index) > designer->Presentations.size()) return nullptr;
  return &designer->Presentations[size_t(index) - 1];
}
}  // namespace

RUVO_EXPORT(TDesigner*) CreateDesigner() {
  RUVO_GUARDED(nullptr, return std::make_unique<TDesigner>().release();)
}

RUVO_EXPORT(void) DestroyDesigner(TDesigner* designer) {
  RUVO_GUARDED(, delete designer;)
}

RUVO_EXPORT(void) SetDesignerParams(TDesigner* designer, int32_t index, const char* presentationFileName,
                                    const char* moduleFileName, const char* slideShowName, int32_t thumbnailSlide) {
  RUVO_GUARDED(, {
    TDesignerPresentation* slot = Slot(designer, index);
    if (slot)
      *slot = {StringIn(presentationFileName), StringIn(moduleFileName), StringIn(slideShowName), thumbnailSlide};
  })
}

RUVO_EXPORT(void) GetDesignerParams(TDesigner* designer, int32_t index, int32_t flags, char* presentationBuffer,
                                    char* moduleBuffer, char* slideShowBuffer, int32_t* presentationLength,
                                    int32_t* moduleLength, int32_t* slideShowLength, int32_t* thumbnailSlide) {
  RUVO_GUARDED(, {
    const TDesignerPresentation* slot = Slot(designer, index);
    if (!slot) return;
    if (flags & 1) {
      int32_t n = StringOut(slot->PresentationFileName, presentationBuffer);
      if (presentationLength) *presentationLength = n;
    }
    if (flags & 2) {
      int32_t n = StringOut(slot->ModuleFileName, moduleBuffer);
      if (moduleLength) *moduleLength = n;
    }
    if (flags & 4) {
      int32_t n = StringOut(slot->SlideShowName, slideShowBuffer);
      if (slideShowLength) *slideShowLength = n;
    }
    if ((flags & 8) && thumbnailSlide) *thumbnailSlide = slot->ThumbnailSlide;
  })
}

RUVO_EXPORT(TCustomIniFile*) CreateDesignerFile(const char* fileName) {
  RUVO_GUARDED(nullptr, return std::make_unique<TProfileIniFile>(StringIn(fileName)).release();)
}

RUVO_EXPORT(TCustomIniFile*) OpenDesignerFile(const char* fileName) {
  RUVO_GUARDED(nullptr, return std::make_unique<TProfileIniFile>(StringIn(fileName)).release();)
}

RUVO_EXPORT(void) CloseDesignerFile(TCustomIniFile* designerFile) {
  RUVO_GUARDED(, {
    std::unique_ptr<TCustomIniFile> owned(designerFile);
    if (owned) owned->UpdateFile();
  })
}

// A key that cannot be written is reported as "Unable to write to <file>"; keys before it stay.
RUVO_EXPORT(void) WriteDesignerToFile(TDesigner* designer, TCustomIniFile* designerFile) {
  RUVO_GUARDED(, {
    if (designer && designerFile) WriteDesignerToIni(*designerFile, *designer);
  })
}

RUVO_EXPORT(void) ReadDesignerFromFile(TDesigner* designer, TCustomIniFile* designerFile) {
  RUVO_GUARDED(, {
    if (designer && designerFile) ReadDesignerFromIni(*designerFile, *designer);
  })
}
