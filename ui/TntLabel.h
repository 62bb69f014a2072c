// A label for Unicode (UTF-16) text: the speaker notes.
#pragma once

#include <string>

#include "CustomLabel.h"

class TTntLabel : public TCustomLabel {
 public:
  TTntLabel() = default;
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);

 protected:
  bool CaptionEmpty() const override { return caption_.empty(); }
  void DrawCaption(HDC dc, RECT& r, UINT flags) override;

 private:
  std::wstring caption_;
};
