// Copying one stream into another in blocks, reporting progress between the steps.
#pragma once

#include <cstdint>

#include "Stream.h"

// The progress operations a copy reports through (the progress window's, on Windows).
class TCopyProgress {
 public:
  virtual ~TCopyProgress() = default;
  virtual void SetParams(int32_t position, int32_t min, int32_t max) = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual void ProcessMessages() = 0;
};

constexpr size_t kCopyBlockSize = 102400;

// Copies the source from its position to its end into dest at dest's position, in blocks of
// kCopyBlockSize bytes. The range is twice the source's size: every byte counts once read and
// once written (scaled down to fit 32 bits). True only when the whole source was read and every
// block written whole; a write that fails counts as a short write and ends the copy.
bool CopyStreamWithProgress(TStream& source, TStream& dest, TCopyProgress& progress);
