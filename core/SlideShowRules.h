// Decisions of the slide-show screen and its presenter view that need no window: whether notes
// hold text, which face the build indicator shows, and the "n of m" texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// True when the text holds anything but blanks and control characters (code units up to 32).
bool HasNotesText(std::u16string_view text);

// "%d of %d": the slide position and the build count.
std::string PositionText(int32_t n, int32_t of);

// The build indicator's faces, which its Tag keeps.
enum TBuildFace : int32_t { bfPrevious = 0, bfBoth = 1, bfNext = 2 };

// What SetBuildArrows does: the indicator is visible when either direction exists; its face
// changes only when a direction exists and the face differs, and otherwise stays.
struct TBuildIndicator {
  bool Visible;
  bool Replace;  // the picture is replaced, and the tag set to Tag
  int32_t Tag;
};
TBuildIndicator BuildIndicator(bool hasPrevious, bool hasNext, int32_t currentTag);

// What a build report (current build, total builds) shows: the arrows for (current > 1,
// current < total); the build labels and click zones only when the slide has more than one build.
struct TBuildReport {
  bool HasPrevious;
  bool HasNext;
  bool LabelsVisible;
};
TBuildReport BuildReport(int32_t current, int32_t total);
