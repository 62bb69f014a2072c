// RAII for GDI objects, device contexts and selections, and the colour type of the controls.
#pragma once

#include <windows.h>

#include <cstdint>

#include "OwnedHandle.h"

// An RGB colour (0x00BBGGRR) or, with the top bit set, a system colour index.
using TColor = uint32_t;
constexpr TColor kSystemColor = 0x80000000u;
constexpr TColor SysColor(int index) { return kSystemColor | static_cast<TColor>(index); }
constexpr TColor clBtnFace = SysColor(COLOR_BTNFACE);
constexpr TColor clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnShadow = SysColor(COLOR_BTNSHADOW);
constexpr TColor clWindowText = SysColor(COLOR_WINDOWTEXT);
inline COLORREF ColorToRGB(TColor c) { return (c & kSystemColor) ? GetSysColor(int(c & 0xFF)) : COLORREF(c); }

struct TDeleteGdiObject {
  static void Free(HGDIOBJ h) { DeleteObject(h); }
};

// Owns a pen, brush, font or bitmap and deletes it once.
template <class H>
using TGdiObject = TOwnedHandle<H, TDeleteGdiObject>;

// A memory device context compatible with another one.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~TMemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's (or the screen's, with null) device context from GetDC.
class TClientDC {
 public:
  explicit TClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~TClientDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  TClientDC(const TClientDC&) = delete;
  TClientDC& operator=(const TClientDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint on construction, EndPaint on destruction.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~TPaintDC() { EndPaint(window_, &ps_); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  HDC dc_;
  PAINTSTRUCT ps_;
};

// Selects an object into a DC and puts the previous one back.
class TSelect {
 public:
  TSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~TSelect() {
    if (old_) SelectObject(dc_, old_);
  }
  TSelect(const TSelect&) = delete;
  TSelect& operator=(const TSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves a DC's state (origin, clipping, modes) and restores it.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~TSavedDC() {
    if (id_) RestoreDC(dc_, id_);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int id_;
};

// Locks a window against drawing (LockWindowUpdate) and unlocks it on every way out.
class TWindowUpdateLock {
 public:
  explicit TWindowUpdateLock(HWND window) : locked_(window && LockWindowUpdate(window)) {}
  ~TWindowUpdateLock() {
    if (locked_) LockWindowUpdate(nullptr);
  }
  TWindowUpdateLock(const TWindowUpdateLock&) = delete;
  TWindowUpdateLock& operator=(const TWindowUpdateLock&) = delete;

 private:
  bool locked_;
};
