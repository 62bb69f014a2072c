#include "ProgressThrottle.h"

#include <algorithm>

TProgressThrottle::TProgressThrottle(TCopyProgress& target, TClock clock, double minimumSeconds)
    : target_(target), clock_(std::move(clock)), minimum_(minimumSeconds) {}

void TProgressThrottle::Timed(double& next, const std::function<void()>& call) {
  double start = clock_();
  call();
  double end = clock_();
  next = end + std::max(minimum_, (end - start) * kPaceFactor);
}

void TProgressThrottle::SetParams(int32_t position, int32_t min, int32_t max) {
  max_ = max;
  Timed(nextPosition_, [&] { target_.SetParams(position, min, max); });
}

void TProgressThrottle::SetPosition(int32_t position) {
  if (position >= max_ || clock_() >= nextPosition_) Timed(nextPosition_, [&] { target_.SetPosition(position); });
}

void TProgressThrottle::ProcessMessages() {
  if (clock_() >= nextMessages_) Timed(nextMessages_, [&] { target_.ProcessMessages(); });
}
