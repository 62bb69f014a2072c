#include "Stream.h"

#include <cstring>

#include "RuvoError.h"

void TStream::ReadExact(void* buf, size_t n) {
  auto* p = static_cast<uint8_t*>(buf);
  while (n > 0) {
    size_t got = Read(p, n);
    if (got == 0) throw ERuvoError("Stream read error");
    p += got;
    n -= got;
  }
}

size_t TMemoryStream::Read(void* buf, size_t n) {
  if (pos_ >= Size()) return 0;
  size_t avail = static_cast<size_t>(Size() - pos_);
  if (n > avail) n = avail;
  std::memcpy(buf, data_.data() + pos_, n);
  pos_ += static_cast<int64_t>(n);
  return n;
}

void TMemoryStream::Write(const void* buf, size_t n) {
  size_t end = static_cast<size_t>(pos_) + n;
  if (end > data_.size()) data_.resize(end);
  if (n) std::memcpy(data_.data() + pos_, buf, n);
  pos_ = static_cast<int64_t>(end);
}

void TMemoryStream::Seek(int64_t pos) {
  if (pos < 0) throw ERuvoError("Stream seek error");
  pos_ = pos;
}
