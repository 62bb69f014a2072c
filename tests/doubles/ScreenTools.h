// What the Windows tests do to the screen as a speaker would: let it settle, click at a point,
// press keys, and save what it shows.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "AddIn.h"
#include "AllSlidesLayout.h"
#include "Gdi.h"
#include "TestPng.h"
#include "TestScreen.h"

// Lets the window system catch up: pending paints and the X server's round trips under Wine.
inline void Settle(int rounds = 20) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

// Handles messages one at a time until `done` holds; false when the time runs out first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms = 60000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    } else {
      Sleep(1);
    }
  }
  return true;
}

// A screen area as 0x00RRGGBB pixels, top row first.
struct TCapture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF; }
};

// How many pixels of the capture differ in colour from the area of a picture's pixels (rows of
// `stride` pixels) whose top-left corner lies at (left, top).
inline int DifferingPixels(const TCapture& shot, const uint32_t* pixels, int stride, int left = 0, int top = 0) {
  int differing = 0;
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      differing += shot.At(x, y) != (pixels[size_t(top + y) * size_t(stride) + size_t(left + x)] & 0xFFFFFF);
  return differing;
}

inline TCapture CaptureScreen(const RECT& r) {
  TCapture c;
  c.width = r.right - r.left;
  c.height = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), c.width, -c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  TClientDC screen(nullptr);
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDC memory(screen.Get());
  {
    TSelect select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, c.width, c.height, screen.Get(), r.left, r.top, SRCCOPY);
  }
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  c.pixels.assign(p, p + size_t(c.width) * size_t(c.height));
  return c;
}

// Saves a capture as a PNG file in the current folder (the suite copies them to build/screenshots).
inline void SaveScreenshot(const std::string& name, const TCapture& c) {
  std::vector<uint32_t> opaque(c.pixels);
  for (auto& p : opaque) p |= 0xFF000000u;
  WriteFileBytes(name, EncodePng(c.width, c.height, opaque));
}

inline void SaveScreenshot(const std::string& name, const RECT& r) { SaveScreenshot(name, CaptureScreen(r)); }

// The selector's Exit and ReduceEmptySlots buttons on the screen: 16 pixels in from the work
// area's bottom corners, at the sizes of their pictures.
inline RECT SelectorExitRect() {
  const TTestScreen& s = TestScreen();
  return s.Area(s.WorkWidth - 109 - 16, s.WorkHeight - 54 - 16, 109, 54);
}
inline RECT SelectorReduceRect() { return TestScreen().Area(16, TestScreen().WorkHeight - 54 - 16, 246, 54); }
inline POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

namespace screen_tools_detail {
inline BOOL CALLBACK CollectTile(HWND w, LPARAM p) {
  RECT r;
  GetWindowRect(w, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  if (IsWindowVisible(w) && ((width == 352 && height == 320) || (width == 320 && height == 296)))
    reinterpret_cast<std::vector<std::pair<HWND, RECT>>*>(p)->push_back({w, r});
  return TRUE;
}
}  // namespace screen_tools_detail

// The selector's visible tiles, windows of a large or a small tile's size, in slot order (row by
// row, left to right), with their bounds on the screen.
inline std::vector<std::pair<HWND, RECT>> SelectorTiles(HWND main) {
  std::vector<std::pair<HWND, RECT>> tiles;
  EnumChildWindows(main, screen_tools_detail::CollectTile, reinterpret_cast<LPARAM>(&tiles));
  std::sort(tiles.begin(), tiles.end(), [](const auto& a, const auto& b) {
    return a.second.top != b.second.top ? a.second.top < b.second.top : a.second.left < b.second.left;
  });
  return tiles;
}

// Where the speaker clicks on a slide-show screen of the work area's width and `height` pixels,
// from the screen's top-left corner: the presenter view centred across, 82 pixels down or ending
// 18 above the bottom; with less than 924 pixels of room, all but the notes panel moved up by the
// shortfall, and the build zones 104 pixels higher than at full height.
struct TSlideShowPoints {
  RECT View;
  POINT NextSlide, NextPanelBar, PrevSlide, PrevPanelBar, PrevBuild, NextBuild, Video;
  POINT NotesHeader, NotesText, NotesBar;
  POINT AllSlides, BlankShow, Exit;
};

inline TSlideShowPoints SlideShowPoints(int height) {
  int width = TestScreen().WorkWidth, room = height - 100;
  int x = (width - 1280) / 2, y = height - 942 > 82 ? height - 942 : 82;
  int up = room < 924 ? 924 - room : 0, build = room < 924 ? 486 - up : 590;
  auto at = [&](int left, int top) { return POINT{x + left, y + top}; };
  TSlideShowPoints p;
  p.View = RECT{x, y, x + 1280, height - 18};
  p.NextSlide = at(944 + 160, 576 - up + 120), p.NextPanelBar = at(1100, 850 - up);
  p.PrevSlide = at(16 + 160, 576 - up + 120), p.PrevPanelBar = at(170, 850 - up);
  p.PrevBuild = at(510, build + 30), p.NextBuild = at(790, build + 30);
  p.Video = at(648, 666 - up + 100);
  p.NotesHeader = at(640, 19 + 25), p.NotesText = at(640, 88 + (329 - up) / 2), p.NotesBar = at(640, 371 - up + 30);
  p.AllSlides = POINT{135, 42}, p.BlankShow = POINT{380, 42}, p.Exit = POINT{width - 18 - 54, 41};
  return p;
}

// The screen-size index of the work area, and its all-slides page layout.
inline int TestScreenSizeIndex() {
  const TTestScreen& s = TestScreen();
  for (int i = 0; i < kScreenSizeCount; ++i)
    if (SelectorResolutions[i].Width == s.WorkWidth && SelectorResolutions[i].Height == s.WorkHeight) return i;
  return 0;
}
inline const TAllSlidesLayout& TestAllSlidesLayout() { return AllSlidesLayout[TestScreenSizeIndex()]; }

// Where 1-based cell k of an all-slides page lies on the screen, the page lying on the work area
// below the slide-show screen's 80-pixel top bar.
inline RECT AllSlidesCellRect(int k) {
  const TAllSlidesLayout& l = TestAllSlidesLayout();
  int column = (k - 1) % l.Columns, row = (k - 1) / l.Columns;
  return TestScreen().Area(l.Left0 + column * l.StepX, 80 + l.Top0 + row * l.StepY, l.CellWidth, l.CellHeight);
}
inline POINT AllSlidesCell(int k) {
  RECT r = AllSlidesCellRect(k);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

enum class TButtonKind { Left, Right };

// Presses and releases a mouse button at a screen point on whatever window lies there, as the
// mouse would, and lets the window handle it.
inline HWND ClickAt(int x, int y, TButtonKind button = TButtonKind::Left) {
  POINT p{x, y};
  HWND w = WindowFromPoint(p);
  if (!w) return nullptr;
  ScreenToClient(w, &p);
  LPARAM pos = MAKELPARAM(p.x, p.y);
  bool left = button == TButtonKind::Left;
  PostMessageA(w, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, pos);
  Settle(3);
  PostMessageA(w, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, pos);
  Settle(3);
  return w;
}

// Clicks a point of a window's client area on whichever of its child windows lies there, also
// where the window reaches beyond the screen.
inline void ClickInWindow(HWND w, POINT p) {
  for (HWND child; (child = ChildWindowFromPointEx(w, p, CWP_SKIPINVISIBLE)) && child != w; w = child)
    MapWindowPoints(w, child, &p, 1);
  PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  Settle(3);
  PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  Settle(3);
}

// Presses a mouse button at a screen point and keeps it down; Release lets it go.
inline HWND PressAt(int x, int y, TButtonKind button = TButtonKind::Left) {
  POINT p{x, y};
  HWND w = WindowFromPoint(p);
  ScreenToClient(w, &p);
  bool left = button == TButtonKind::Left;
  PostMessageA(w, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(p.x, p.y));
  Settle(3);
  return w;
}

inline void ReleaseAt(int x, int y, TButtonKind button = TButtonKind::Left) {
  POINT p{x, y};
  HWND w = GetCapture() ? GetCapture() : WindowFromPoint(p);
  ScreenToClient(w, &p);
  PostMessageA(w, button == TButtonKind::Left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  Settle(3);
}

// Holds modifier keys (VK_SHIFT, VK_CONTROL, VK_MENU) in the thread's key state while it lives.
class TKeysHeld {
 public:
  explicit TKeysHeld(std::vector<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(saved_, saved_ + 256, state);
    for (int k : keys) state[k] |= 0x80;
    SetKeyboardState(state);
  }
  ~TKeysHeld() { SetKeyboardState(saved_); }
  TKeysHeld(const TKeysHeld&) = delete;
  TKeysHeld& operator=(const TKeysHeld&) = delete;

 private:
  BYTE saved_[256];
};

// Presses and releases a key on a window, as the keyboard would deliver it there.
inline void TypeKey(HWND w, int vk) {
  UINT scan = MapVirtualKeyA(UINT(vk), 0);
  PostMessageA(w, WM_KEYDOWN, WPARAM(vk), LPARAM(1 | scan << 16));
  PostMessageA(w, WM_KEYUP, WPARAM(vk), LPARAM(1 | scan << 16 | 0xC0000000u));
  Settle(3);
}

// Waits, on a thread of its own, for a top-level window of that class and caption to appear, and
// then runs an action on it once (the window is usually modal on the test's own thread).
class TWindowWatcher {
 public:
  TWindowWatcher(std::string cls, std::string caption, std::function<void(HWND)> action)
      : cls_(std::move(cls)), caption_(std::move(caption)), action_(std::move(action)) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~TWindowWatcher() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  TWindowWatcher(const TWindowWatcher&) = delete;
  TWindowWatcher& operator=(const TWindowWatcher&) = delete;
  bool Seen() const { return seen_ != 0; }

 private:
  static DWORD WINAPI Run(void* p) {
    auto* self = static_cast<TWindowWatcher*>(p);
    while (!self->stop_) {
      HWND w = FindWindowA(self->cls_.c_str(), self->caption_.c_str());
      if (w && IsWindowVisible(w)) {
        Sleep(200);  // let it paint
        InterlockedExchange(&self->seen_, 1);
        self->action_(w);
        return 0;
      }
      Sleep(20);
    }
    return 0;
  }
  std::string cls_, caption_;
  std::function<void(HWND)> action_;
  HANDLE thread_;
  volatile LONG stop_ = 0;
  volatile LONG seen_ = 0;
};
