// Slide-show window tracking: when a show starts, PowerPoint's slide-show window of the
// presentation is found among this process's top-level windows, disabled and listed; when it
// ends, it is taken off the list. The library never enables such a window again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TWindowRec {
  HWND Wnd;
  int32_t Value;  // always 0; nothing reads it
  std::string Caption;
};

using TWindowList = std::vector<TWindowRec>;

// The list of disabled windows, in the order they were disabled; null outside the library's life.
TWindowList* SlideShowWindowList();
void CreateWindowList();
void FreeWindowList();

// Disables and records the first unrecorded slide-show window of the presentation.
void SlideShowStarted(const std::string& fullPath);
// Forgets the earliest record of the presentation's slide-show window; the window stays disabled.
void SlideShowTerminated(const std::string& fullPath);

// Window-enumeration callback; param is the presentation's file name as zero-terminated text.
BOOL CALLBACK EnumSlideShowWindow(HWND wnd, LPARAM param) noexcept;
std::string GetWindowClass(HWND wnd);
void AddWindowRec(HWND wnd, int32_t value, const std::string& caption);
void RemoveWindowRec(HWND wnd);
TWindowRec* FindWindowRec(HWND wnd);
