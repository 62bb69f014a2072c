// Paces the progress reports of a long operation. A report can cost far more than the work
// between two of them (a synchronous repaint, a run of window messages), so a call is passed on
// only once the previous call of its kind is long enough past: after a call that took d seconds,
// the next waits max(minimum, d x kPaceFactor). The range, and a position at the range's end,
// always pass, so the bar starts empty and ends full.
#pragma once

#include <functional>

#include "StreamCopy.h"

class TProgressThrottle : public TCopyProgress {
 public:
  // Keeps the reports at about 1 / kPaceFactor of the time.
  static constexpr double kPaceFactor = 20;
  using TClock = std::function<double()>;  // seconds, increasing

  TProgressThrottle(TCopyProgress& target, TClock clock, double minimumSeconds = 0.1);
  void SetParams(int32_t position, int32_t min, int32_t max) override;
  void SetPosition(int32_t position) override;
  void ProcessMessages() override;

 private:
  // Runs the call and sets when the next of its kind may run.
  void Timed(double& next, const std::function<void()>& call);

  TCopyProgress& target_;
  TClock clock_;
  double minimum_;
  int32_t max_ = 0;
  double nextPosition_ = 0, nextMessages_ = 0;
};
