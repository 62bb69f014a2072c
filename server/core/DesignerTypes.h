// Records shared by the module file, the designer file and the screens.
#pragma once

#include <cstdint>
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
