#include "PacedProgress.h"

#include "MonotonicClock.h"

// The base is handed the report before the report is made; it only keeps the reference.
TPacedProgress::TPacedProgress(IProgressStatus* progress)
    : TProgressThrottle(report_, MonotonicSeconds), report_(progress) {}

void TPacedProgress::TReport::SetParams(int32_t position, int32_t min, int32_t max) {
  progress_->SetParams(position, min, max);
}

void TPacedProgress::TReport::SetPosition(int32_t position) { progress_->SetPosition(position); }

void TPacedProgress::TReport::ProcessMessages() { progress_->ProcessMessages(); }
