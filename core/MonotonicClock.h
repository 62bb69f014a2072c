// The library's one monotonic clock: time since an arbitrary start, never set back.
#pragma once

#include <chrono>
#include <cstdint>

inline std::chrono::steady_clock::duration MonotonicTime() {
  return std::chrono::steady_clock::now().time_since_epoch();
}

inline int64_t MonotonicMs() { return std::chrono::duration_cast<std::chrono::milliseconds>(MonotonicTime()).count(); }

inline double MonotonicSeconds() { return std::chrono::duration<double>(MonotonicTime()).count(); }
