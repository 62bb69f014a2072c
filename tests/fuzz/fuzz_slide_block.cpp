// Any bytes as a slide block: inflating and decoding may fail, but never crash.
#include <cstddef>
#include <cstdint>

#include "ModuleFormat.h"
#include "RuvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first four bytes are the claimed Size (any value, negative ones too), the rest the block.
  if (size < 5) return 0;
  int32_t claimed = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                            uint32_t(data[3]) << 24);
  TMemoryStream s(std::vector<uint8_t>(data + 4, data + size), "fuzz.ruvo");
  try {
    LoadSlidePicture(s, 0, claimed);
  } catch (const ERuvoError&) {
  }
  return 0;
}
