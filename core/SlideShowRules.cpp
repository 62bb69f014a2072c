#include "SlideShowRules.h"

#include <algorithm>

#include "RuvoError.h"

bool HasNotesText(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c > 32; });
}

std::string PositionText(int32_t n, int32_t of) { return Format("%d of %d", int(n), int(of)); }

TBuildIndicator BuildIndicator(bool hasPrevious, bool hasNext, int32_t currentTag) {
  TBuildIndicator b{hasPrevious || hasNext, false, currentTag};
  if (!b.Visible) return b;
  int32_t tag = hasPrevious && hasNext ? bfBoth : hasPrevious ? bfPrevious : bfNext;
  if (tag != currentTag) b.Replace = true, b.Tag = tag;
  return b;
}

TBuildReport BuildReport(int32_t current, int32_t total) { return {current > 1, current<total, total> 1}; }
