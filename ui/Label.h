// A label for 8-bit text in the system's code page.
#pragma once

#include <string>

#include "CustomLabel.h"

class TLabel : public TCustomLabel {
 public:
  TLabel() = default;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  bool CaptionEmpty() const override { return caption_.empty(); }
  void DrawCaption(HDC dc, RECT& r, UINT flags) override;

 private:
  std::string caption_;
};
