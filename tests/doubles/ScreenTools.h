// What the Windows tests do to the screen as a speaker would: let it settle, click at a point,
// press keys, and save what it shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "AddIn.h"
#include "Gdi.h"
#include "TestPng.h"

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

// Where 1-based cell k of an all-slides page lies on a 1280x1024 screen whose slide-show screen
// covers it: nine columns 130 pixels apart from 60, rows 153 apart, below the 80-pixel top bar.
inline RECT AllSlidesCellRect(int k) {
  int left = 60 + (k - 1) % 9 * 130, top = 80 + 9 + (k - 1) / 9 * 153;
  return RECT{left, top, left + 120, top + 90};
}
inline POINT AllSlidesCell(int k) {
  RECT r = AllSlidesCellRect(k);
  return POINT{r.left + 60, r.top + 45};
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
