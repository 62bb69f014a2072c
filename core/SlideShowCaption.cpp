#include "SlideShowCaption.h"

#include "PathRules.h"

std::string SlideShowCaptionPrefix(const std::string& fullPath) {
  std::string name = ExtractFileName(fullPath);
  return name.empty() ? std::string() : "PowerPoint Slide Show - [" + name;
}

bool MatchesSlideShowCaption(const std::string& windowText, const std::string& prefix) {
  return !prefix.empty() && windowText.compare(0, prefix.size(), prefix) == 0;
}
