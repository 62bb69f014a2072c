#include "Application.h"

#include <commctrl.h>

#include <vector>

#include "Control.h"

void ProcessMessages() {
  MSG msg;
  // The wide functions let the system convert for ANSI and Unicode windows alike.
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void InitCommonControlClasses(DWORD classes) {
  static DWORD done = 0;
  if ((done & classes) == classes) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, classes};
  if (InitCommonControlsEx(&icc)) done |= classes;
}

namespace {
const char kClassName[] = "TRuvoWinControl";
bool gRegistered = false;
}  // namespace

const char* ToolkitWindowClass() {
  if (!gRegistered) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TWinControl::StaticWndProc;
    wc.hInstance = OwnModule();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    // A class that survived an earlier load of the library is replaced, not reused.
    if (!RegisterClassExA(&wc)) {
      UnregisterClassA(kClassName, wc.hInstance);
      RegisterClassExA(&wc);
    }
    gRegistered = true;
  }
  return kClassName;
}

void UnregisterToolkitWindowClass() {
  if (gRegistered) UnregisterClassA(kClassName, OwnModule());
  gRegistered = false;
}

namespace {
int gDispatchDepth = 0;
std::vector<std::unique_ptr<TControl>>& Pending() {
  static std::vector<std::unique_ptr<TControl>> pending;
  return pending;
}
}  // namespace

TDispatchScope::TDispatchScope() { ++gDispatchDepth; }

TDispatchScope::~TDispatchScope() {
  if (--gDispatchDepth == 0) DisposePending();
}

bool TDispatchScope::Active() { return gDispatchDepth > 0; }

void DisposeWhenIdle(std::unique_ptr<TControl> control) {
  if (!control) return;
  if (gDispatchDepth > 0) {
    Pending().push_back(std::move(control));
    return;
  }
  control.reset();
}

void DisposePending() {
  // Freeing one may queue another (a window's children): run until none is left.
  int saved = gDispatchDepth;
  gDispatchDepth = 0;
  while (!Pending().empty()) {
    std::vector<std::unique_ptr<TControl>> batch = std::move(Pending());
    Pending().clear();
    try {
      batch.clear();
    } catch (...) {
    }
  }
  gDispatchDepth = saved;
}
