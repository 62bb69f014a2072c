// A progress window's operations, paced: each repaints the window at once, which can cost more
// than the work between two reports (a slide, a block of bytes).
#pragma once

#include "ProgressStatusIntfUnit.h"
#include "ProgressThrottle.h"

class TPacedProgress : public TProgressThrottle {
 public:
  explicit TPacedProgress(IProgressStatus* progress);

 private:
  // Passes the throttle's calls on to the window.
  class TReport : public TCopyProgress {
   public:
    explicit TReport(IProgressStatus* progress) : progress_(progress) {}
    void SetParams(int32_t position, int32_t min, int32_t max) override;
    void SetPosition(int32_t position) override;
    void ProcessMessages() override;

   private:
    IProgressStatus* progress_;
  };

  TReport report_;
};
