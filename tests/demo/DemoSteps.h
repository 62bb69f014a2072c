// What the two demos share: their numbered step lines and the sample decks' slides.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

// One numbered line per step, flushed at once so that a step that hangs shows where.
inline void Say(const char* format, ...) {
  static int step = 0;
  va_list args;
  va_start(args, format);
  std::printf("%2d. ", ++step);
  std::vprintf(format, args);
  std::printf("\n");
  std::fflush(stdout);
  va_end(args);
}

// The slide pictures of one sample deck ("deck-*.png" in the folder), in slide order.
inline std::vector<std::string> FindSlides(const std::string& folder, const std::string& deck) {
  std::vector<std::string> slides;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\" + deck + "-*.png").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do slides.push_back(folder + "\\" + fd.cFileName);
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  std::sort(slides.begin(), slides.end());
  return slides;
}
