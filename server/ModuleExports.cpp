// The module functions: a flat stdcall interface over module records and module files.
// Indices are 1-based. An index outside its array, or a null handle, makes the call do nothing
// (outputs untouched) rather than write into memory that is not the module's.
#include <memory>

#include "ExportGuard.h"
#include "ExportStrings.h"
#include "FileStream.h"
#include "ModuleFiles.h"
#include "RuvoError.h"
#include "RuvoServerExports.h"

namespace {

template <class T>
T* At(std::vector<T>& items, int32_t index) {
  return index >= 1 && size_t(index) <= items.size() ? &items[size_t(index) - 1] : nullptr;
}

template <class V>
void Resize(V& items, int32_t count) {
  if (count < 0) throw ERuvoError(Format("Range check error: %d items", count));
  items.resize(size_t(count));
}

TStream* OpenModuleFile(const char* fileName, TFileStream::TMode mode) {
  try {
    return std::make_unique<TFileStream>(StringIn(fileName), mode).release();
  } catch (...) {
    return nullptr;  // the add-in learns of it from the null handle alone
  }
}

}  // namespace

RUVO_EXPORT(TDesignerModule*) CreateDesignerModule() noexcept {
  try {
    return std::make_unique<TDesignerModule>().release();
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) DestroyDesignerModule(TDesignerModule* module) noexcept {
  try {
    delete module;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
SetDesignerModuleParams(TDesignerModule* module, int32_t flags, const char* presentationFileName,
                        int32_t slideInfoCount, int32_t slideShowCount) noexcept {
  try {
    if (!module) return;
    if (flags & kModulePresentationFileName) module->PresentationFileName = StringIn(presentationFileName);
    if (flags & kModuleSlideInfoCount) Resize(module->SlideInfos, slideInfoCount);
    if (flags & kModuleSlideShowCount) Resize(module->SlideShowInfos, slideShowCount);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
GetDesignerModuleParams(TDesignerModule* module, int32_t flags, char* nameBuffer, int32_t* nameLength,
                        int32_t* slideInfoCount, int32_t* slideShowCount) noexcept {
  try {
    if (!module) return;
    if (flags & kModulePresentationFileName) {
      int32_t n = StringOut(module->PresentationFileName, nameBuffer);
      if (nameLength) *nameLength = n;
    }
    if ((flags & kModuleSlideInfoCount) && slideInfoCount) *slideInfoCount = int32_t(module->SlideInfos.size());
    if ((flags & kModuleSlideShowCount) && slideShowCount) *slideShowCount = int32_t(module->SlideShowInfos.size());
  }
  RUVO_CATCH()
}

extern "C" __attribute__((regparm(2))) TSlideInfo* FindSlideInfo(TDesignerModule* module, int32_t slideIndex) noexcept {
  try {
    return module ? FindSlideInfo(*module, slideIndex) : nullptr;
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void)
SetSlideInfoParams(TDesignerModule* module, int32_t index, int32_t slideIndex, int32_t offset, int32_t size,
                   int32_t compressedSize) noexcept {
  try {
    TSlideInfo* e = module ? At(module->SlideInfos, index) : nullptr;
    if (e) *e = TSlideInfo{slideIndex, offset, size, compressedSize};
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
GetSlideInfoParams(TDesignerModule* module, int32_t index, int32_t* slideIndex, int32_t* offset, int32_t* size,
                   int32_t* compressedSize) noexcept {
  try {
    const TSlideInfo* e = module ? At(module->SlideInfos, index) : nullptr;
    if (!e) return;
    if (slideIndex) *slideIndex = e->SlideIndex;
    if (offset) *offset = e->Offset;
    if (size) *size = e->Size;
    if (compressedSize) *compressedSize = e->CompressedSize;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
SetSlideShowInfoParams(TDesignerModule* module, int32_t showIndex, int32_t flags, const char* name, int32_t indexCount,
                       int32_t kind) noexcept {
  try {
    TSlideShowInfo* show = module ? At(module->SlideShowInfos, showIndex) : nullptr;
    if (!show) return;
    if (flags & kSlideShowName) show->Name = StringIn(name);
    if (flags & kSlideShowIndexCount) Resize(show->Indices, indexCount);
    if (flags & kSlideShowKind) show->Kind = kind;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
GetSlideShowInfoParams(TDesignerModule* module, int32_t showIndex, int32_t flags, char* nameBuffer, int32_t* nameLength,
                       int32_t* indexCount, int32_t* kind) noexcept {
  try {
    const TSlideShowInfo* show = module ? At(module->SlideShowInfos, showIndex) : nullptr;
    if (!show) return;
    if (flags & kSlideShowName) {
      int32_t n = StringOut(show->Name, nameBuffer);
      if (nameLength) *nameLength = n;
    }
    if ((flags & kSlideShowIndexCount) && indexCount) *indexCount = int32_t(show->Indices.size());
    if ((flags & kSlideShowKind) && kind) *kind = show->Kind;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
SetSlideShowInfoIndices(TDesignerModule* module, int32_t showIndex, int32_t position, int32_t slideIndex) noexcept {
  try {
    TSlideShowInfo* show = module ? At(module->SlideShowInfos, showIndex) : nullptr;
    int32_t* slot = show ? At(show->Indices, position) : nullptr;
    if (slot) *slot = slideIndex;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(TStream*) CreateDesignerModuleFile(const char* fileName) noexcept {
  try {
    return OpenModuleFile(fileName, TFileStream::TMode::CreateReadWrite);
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(TStream*) OpenDesignerModuleFile(const char* fileName) noexcept {
  try {
    return OpenModuleFile(fileName, TFileStream::TMode::OpenRead);
  }
  RUVO_CATCH(nullptr)
}

RUVO_EXPORT(void) CloseDesignerModuleFile(TStream* moduleFile) noexcept {
  try {
    delete moduleFile;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) WriteDesignerModuleToFile(TDesignerModule* module, TStream* moduleFile) noexcept {
  try {
    if (!module || !moduleFile) return;
    moduleFile->Seek(0);
    WriteModuleHeader(*moduleFile, *module);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) ReadDesignerModuleFromFile(TDesignerModule* module, TStream* moduleFile) noexcept {
  try {
    if (!module || !moduleFile) return;
    moduleFile->Seek(0);
    ReadModuleHeader(*moduleFile, *module);
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
WriteSlideToFile(TStream* moduleFile, const char* sourceFileName, int32_t* offset, int32_t* size,
                 int32_t* compressedSize) noexcept {
  try {
    if (!moduleFile) return;
    int32_t o = 0, s = 0, c = 0;
    WriteSlideToFile(*moduleFile, StringIn(sourceFileName), o, s, c);
    if (offset) *offset = o;
    if (size) *size = s;
    if (compressedSize) *compressedSize = c;
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void)
ExtractSlideFromFile(TStream* moduleFile, const char* destFileName, int32_t offset, int32_t size) noexcept {
  try {
    if (!moduleFile) return;
    ExtractSlideFromFile(*moduleFile, StringIn(destFileName), offset, size);
  }
  RUVO_CATCH()
}
