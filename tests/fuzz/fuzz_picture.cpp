// Any bytes as a form picture: decoding may fail, but never crash, leak, hang or over-allocate.
#include <cstddef>
#include <cstdint>

#include "Picture.h"
#include "RuvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    DecodePicture(data, size);
  } catch (const ERuvoError&) {
  }
  return 0;
}
