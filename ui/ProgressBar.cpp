#include "ProgressBar.h"

#include <commctrl.h>

#include "Application.h"

const char* TProgressBar::ClassName() const {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  return PROGRESS_CLASSA;
}

void TProgressBar::Created() {
  SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageA(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetMin(int32_t value) {
  min_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetMax(int32_t value) {
  max_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetPosition(int32_t value) {
  position_ = value;
  if (Handle()) SendMessageA(Handle(), PBM_SETPOS, WPARAM(value), 0);
}
