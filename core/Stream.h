// A seekable byte stream: the module file on Windows, memory in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to n bytes; returns how many arrived (0 at the end).
  virtual size_t Read(void* buf, size_t n) = 0;
  // Writes all n bytes or raises ERuvoError.
  virtual void Write(const void* buf, size_t n) = 0;
  virtual void Seek(int64_t pos) = 0;
  virtual int64_t Position() const = 0;
  virtual int64_t Size() const = 0;
  // The file behind the stream, for error texts.
  virtual std::string Name() const = 0;

  // Reads exactly n bytes or raises "Stream read error".
  void ReadExact(void* buf, size_t n);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes, std::string name = "memory")
      : data_(std::move(bytes)), name_(std::move(name)) {}
  size_t Read(void* buf, size_t n) override;
  void Write(const void* buf, size_t n) override;
  void Seek(int64_t pos) override;
  int64_t Position() const override { return pos_; }
  int64_t Size() const override { return static_cast<int64_t>(data_.size()); }
  std::string Name() const override { return name_; }
  const std::vector<uint8_t>& Bytes() const { return data_; }

 private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
  std::string name_ = "memory";
};
