// Any bytes as a form picture: decoding may fail, but never crash, leak, hang or over-allocate;
// also when a PNG is decoded straight to a small size row by row.
#include <cstddef>
#include <cstdint>

#include "Picture.h"
#include "RuvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    DecodePicture(data, size);
  } catch (const ERuvoError&) {
  }
  try {
    DecodePngToFit(data, size, 7 + size % 50, 5 + size % 37);
  } catch (const ERuvoError&) {
  }
  return 0;
}
