#include "ClockText.h"

#include "RuvoError.h"

void TElapsedCounter::StartAt(int64_t tickMs) {
  if (started_) return;
  started_ = true;
  start_ = tickMs;
}

std::string TElapsedCounter::Text(int64_t tickMs) const {
  if (!started_ || tickMs <= start_) return "00:00";
  int64_t seconds = (tickMs - start_) / 1000 % 86400;
  int hours = int(seconds / 3600), minutes = int(seconds / 60 % 60), secs = int(seconds % 60);
  return hours ? Format("%2.2d:%2.2d", hours, minutes) : Format("%2.2d:%2.2d", minutes, secs);
}

std::string FormatClock(int hour, int minute) {
  const char* suffix = hour < 12 ? "AM" : "PM";
  if (hour > 12) hour -= 12;
  return Format("%2.2d:%2.2d %s", hour, minute, suffix);
}
