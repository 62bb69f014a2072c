// Any bytes as a module file: reading the header may fail, but never crash, hang or over-allocate.
#include <cstddef>
#include <cstdint>

#include "ModuleFormat.h"
#include "RuvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream s(std::vector<uint8_t>(data, data + size), "fuzz.ruvo");
  TDesignerModule m;
  try {
    ReadModuleHeader(s, m);
    for (size_t i = 0; i < m.SlideInfos.size() && i < 4; ++i) {
      const TSlideInfo& e = m.SlideInfos[i];
      try {
        LoadSlidePicture(s, e.Offset, e.Size);
      } catch (const ERuvoError&) {
      }
    }
  } catch (const ERuvoError&) {
  }
  return 0;
}
