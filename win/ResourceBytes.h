// The raw bytes of a resource stored in a binary under a numeric id and type.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

struct TResourceBytes {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
  explicit operator bool() const { return Data && Size; }
};

// The resource's bytes, mapped with the module's image for as long as it stays loaded (nothing
// to free); empty when the resource is missing, empty or cannot be loaded.
TResourceBytes FindResourceBytes(HMODULE module, int32_t id, int32_t type);
