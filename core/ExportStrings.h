// Text at the exported interface: zero-terminated 8-bit strings in, caller buffers out.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

// A null pointer stands for the empty string.
inline std::string StringIn(const char* text) { return text ? std::string(text) : std::string(); }

// Copies up to the first zero byte plus a terminator; returns the string's full length.
inline int32_t StringOut(const std::string& s, char* buffer) {
  size_t n = std::strlen(s.c_str());
  if (buffer) {
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
  }
  return static_cast<int32_t>(s.size());
}
