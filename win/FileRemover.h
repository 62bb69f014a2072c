// A file the code made and removes again unless it decides to keep it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

// Deletes the file when it goes out of scope, unless kept.
class TFileRemover {
 public:
  TFileRemover() = default;
  explicit TFileRemover(std::string path) : path_(std::move(path)) {}
  ~TFileRemover() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  TFileRemover(TFileRemover&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TFileRemover& operator=(TFileRemover&& other) noexcept {
    std::swap(path_, other.path_);
    return *this;
  }
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};
