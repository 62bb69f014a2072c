// Owns a kernel object handle and closes it once.
#pragma once

#include <windows.h>

#include <utility>

class TKernelHandle {
 public:
  TKernelHandle() = default;
  explicit TKernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~TKernelHandle() { Reset(); }
  TKernelHandle(TKernelHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  TKernelHandle& operator=(TKernelHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      h_ = std::exchange(other.h_, nullptr);
    }
    return *this;
  }
  TKernelHandle(const TKernelHandle&) = delete;
  TKernelHandle& operator=(const TKernelHandle&) = delete;

  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset() {
    if (h_) CloseHandle(std::exchange(h_, nullptr));
  }

 private:
  HANDLE h_ = nullptr;
};
