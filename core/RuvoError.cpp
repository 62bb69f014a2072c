#include "RuvoError.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  int n = std::vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(&out[0], out.size(), fmt, again);
    out.resize(static_cast<size_t>(n));
  }
  va_end(again);
  return out;
}
