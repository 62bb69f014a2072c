// Records shared by the module file, the designer file and the screens.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using TIntegerArray = std::vector<int32_t>;

// Laid out exactly as the add-in sees a slide entry through FindSlideInfo.
struct TSlideInfo {
  int32_t SlideIndex = 0;
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t CompressedSize = 0;
};
static_assert(sizeof(TSlideInfo) == 16, "a slide entry is four packed 32-bit integers");

using TSlideInfos = std::vector<TSlideInfo>;

struct TSlideShowInfo {
  int32_t Kind = 0;
  std::string Name;
  TIntegerArray Indices;
};

using TSlideShowInfos = std::vector<TSlideShowInfo>;

struct TDesignerModule {
  int32_t MajorVersion = 1;
  int32_t MinorVersion = 0;
  std::string PresentationFileName;
  TSlideInfos SlideInfos;
  TSlideShowInfos SlideShowInfos;
};

struct TDesignerPresentation {
  std::string PresentationFileName;
  std::string ModuleFileName;
  std::string SlideShowName;
  int32_t ThumbnailSlide = 0;
};

using TDesignerPresentations = std::vector<TDesignerPresentation>;

// The slot count is fixed here; nothing changes it later.
struct TDesigner {
  int32_t MajorVersion = 1;
  int32_t MinorVersion = 0;
  TDesignerPresentations Presentations = TDesignerPresentations(15);
};

// The pending command of the mailbox. Param1 always holds an integer and Param2 always refers to
// its string cell; the flags record those kinds and nothing reads them.
struct TCommand {
  std::string Name;
  int32_t Id = 0;
  bool Flag1 = false;
  int32_t Param1 = 0;
  bool Flag2 = true;
  std::unique_ptr<std::string> Param2;
};
