// The system's progress bar.
#pragma once

#include <cstdint>

#include "NativeControl.h"

class TProgressBar : public TNativeControl {
 public:
  TProgressBar() = default;
  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  int32_t Position() const { return position_; }
  void SetMin(int32_t value);
  void SetMax(int32_t value);
  // Passed to the control unchanged, also outside Min to Max.
  void SetPosition(int32_t value);

 protected:
  const char* ClassName() const override;
  void Created() override;

 private:
  int32_t min_ = 0, max_ = 100, position_ = 0;
};
