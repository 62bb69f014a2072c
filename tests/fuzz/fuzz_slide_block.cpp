// Any bytes as a slide block: inflating and decoding may fail, but never crash.
#include <cstddef>
#include <cstdint>

#include "DesignerFileFormatCore.h"
#include "RuvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  int32_t claimed = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16);
  TMemoryStream s(std::vector<uint8_t>(data + 3, data + size), "fuzz.ruvo");
  try {
    LoadSlidePicture(s, 0, claimed);
  } catch (const ERuvoError&) {
  }
  return 0;
}
