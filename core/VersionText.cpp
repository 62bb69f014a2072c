#include "VersionText.h"

#include "LaunchCommandLine.h"

bool ParseVersionNumber(const std::string& text, double& value) {
  std::string t = TrimBlanks(text);
  size_t at = 0;
  bool negative = false;
  if (at < t.size() && (t[at] == '+' || t[at] == '-')) negative = t[at++] == '-';
  double v = 0, scale = 1;
  bool digits = false, point = false;
  for (; at < t.size(); ++at) {
    char c = t[at];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (point) {
        scale /= 10;
        v += (c - '0') * scale;
      } else {
        v = v * 10 + (c - '0');
      }
    } else {
      return false;
    }
  }
  if (!digits) return false;
  value = negative ? -v : v;
  return true;
}

bool IsSupportedPowerPointVersion(const std::string& text) {
  double v = 0;
  // Compared in single precision, so a version a hair below 10 (9.99999999) counts as 10.
  return ParseVersionNumber(text, v) && static_cast<float>(v) >= 10.0f;
}
