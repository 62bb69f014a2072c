// The first monitor the Windows tests run on, and where the presenter's work area lies on it.
// The suite starts the test desktop at every supported size; where the work area is not the
// monitor's size it says which one it expects in RUVO_WORK_AREA ("1680x1050").
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

struct TTestScreen {
  int MonitorWidth = 0, MonitorHeight = 0;
  int WorkLeft = 0, WorkTop = 0, WorkWidth = 0, WorkHeight = 0;  // on the screen

  // A point or an area of the work area, in screen coordinates.
  POINT At(int x, int y) const { return POINT{WorkLeft + x, WorkTop + y}; }
  RECT Area(int left, int top, int width, int height) const {
    return RECT{WorkLeft + left, WorkTop + top, WorkLeft + left + width, WorkTop + top + height};
  }
  RECT Work() const { return Area(0, 0, WorkWidth, WorkHeight); }
  RECT Monitor() const { return RECT{0, 0, MonitorWidth, MonitorHeight}; }
  // "name-1366x768.png": screenshots say which monitor they were taken on.
  std::string ShotName(const std::string& name) const {
    return name + "-" + std::to_string(MonitorWidth) + "x" + std::to_string(MonitorHeight) + ".png";
  }
};

namespace test_screen_detail {
inline BOOL CALLBACK First(HMONITOR monitor, HDC, LPRECT, LPARAM out) {
  MONITORINFO info{sizeof info, {}, {}, 0};
  GetMonitorInfoA(monitor, &info);
  *reinterpret_cast<RECT*>(out) = info.rcMonitor;
  return FALSE;
}
}  // namespace test_screen_detail

inline const TTestScreen& TestScreen() {
  static const TTestScreen screen = [] {
    TTestScreen s;
    RECT first{};
    EnumDisplayMonitors(nullptr, nullptr, test_screen_detail::First, reinterpret_cast<LPARAM>(&first));
    s.MonitorWidth = first.right - first.left;
    s.MonitorHeight = first.bottom - first.top;
    s.WorkWidth = s.MonitorWidth, s.WorkHeight = s.MonitorHeight;
    if (const char* work = std::getenv("RUVO_WORK_AREA")) std::sscanf(work, "%dx%d", &s.WorkWidth, &s.WorkHeight);
    // Centred, each offset a division that truncates toward zero.
    s.WorkLeft = first.left + (s.MonitorWidth - s.WorkWidth) / 2;
    s.WorkTop = first.top + (s.MonitorHeight - s.WorkHeight) / 2;
    return s;
  }();
  return screen;
}
