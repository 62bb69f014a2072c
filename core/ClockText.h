// The slide-show screen's two time displays: the elapsed time since the talk began and the clock.
#pragma once

#include <cstdint>
#include <string>

// Counts from the first change of slide, on a monotonic tick in milliseconds, so that setting the
// clock or a daylight-saving switch cannot make it jump or run backwards. Once started it runs for
// good.
class TElapsedCounter {
 public:
  bool Started() const { return started_; }
  // Starts at that tick; later calls change nothing.
  void StartAt(int64_t tickMs);
  // "00:00" until started; then minutes and seconds, or hours and minutes from the first hour
  // on, each at least two digits. Whole days drop out.
  std::string Text(int64_t tickMs) const;

 private:
  bool started_ = false;
  int64_t start_ = 0;
};

// "hh:mm AM" or "hh:mm PM" for an hour of 0..23: 0 stays 0, 12 stays 12, 13..23 become 1..11.
std::string FormatClock(int hour, int minute);
