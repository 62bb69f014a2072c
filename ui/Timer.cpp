#include "Timer.h"

#include <algorithm>

#include "Control.h"

TTimer::TTimer(TWinControl& owner, UINT intervalMs, bool enabled)
    : owner_(owner), interval_(intervalMs), enabled_(enabled) {
  owner_.timers_.push_back(this);
  if (enabled_) Start();
}

TTimer::~TTimer() {
  Stop();
  auto& list = owner_.timers_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  enabled_ ? Start() : Stop();
}

void TTimer::SetInterval(UINT ms) {
  interval_ = ms;
  if (enabled_) Start();
}

// The timer's own address is its id on the owner's window: unique for as long as it lives.
void TTimer::Start() {
  if (owner_.Handle() && interval_ > 0) SetTimer(owner_.Handle(), reinterpret_cast<UINT_PTR>(this), interval_, nullptr);
}

void TTimer::Stop() {
  if (owner_.Handle()) KillTimer(owner_.Handle(), reinterpret_cast<UINT_PTR>(this));
}

void TTimer::Tick() {
  if (enabled_ && OnTimer) OnTimer(*this);
}
