// How the library recognises PowerPoint's slide-show window of a presentation: its window class
// and the beginning of its caption.
#pragma once

#include <string>

constexpr char kSlideShowWindowClass[] = "screenClass";

// "PowerPoint Slide Show - [" + the file name of the full path (after its last backslash or colon).
// Empty when the path has no file name: such a prefix would match every slide-show window.
std::string SlideShowCaptionPrefix(const std::string& fullPath);

// The window text begins with the prefix (exact case); an empty prefix matches nothing.
bool MatchesSlideShowCaption(const std::string& windowText, const std::string& prefix);
