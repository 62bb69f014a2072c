// A timer owned by a window: it ticks through that window's messages and dies with it.
#pragma once

#include <windows.h>

#include <functional>

class TWinControl;

class TTimer {
 public:
  // The owner must outlive the timer (timers are members of the window that owns them).
  TTimer(TWinControl& owner, UINT intervalMs, bool enabled = true);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void SetInterval(UINT ms);

  std::function<void(TTimer&)> OnTimer;

 private:
  friend class TWinControl;
  void Tick();
  void Start();
  void Stop();

  TWinControl& owner_;
  UINT interval_;
  bool enabled_;
};
