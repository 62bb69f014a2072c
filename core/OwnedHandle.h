// Owns a handle and frees it once; moves hand the ownership on.
#pragma once

#include <utility>

// Free is a type with a static Free(H) that releases a non-null handle.
template <class H, class Free>
class TOwnedHandle {
 public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(H h) : h_(h) {}
  ~TOwnedHandle() { Reset(); }
  TOwnedHandle(TOwnedHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      h_ = std::exchange(other.h_, nullptr);
    }
    return *this;
  }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset() {
    if (h_) Free::Free(std::exchange(h_, nullptr));
  }
  // Hands the handle to a new owner.
  H Release() { return std::exchange(h_, nullptr); }

 private:
  H h_ = nullptr;
};
