#include "WinProcUnit.h"

#include <algorithm>
#include <memory>

#include "ExportGuard.h"
#include "ExportStrings.h"
#include "PathRules.h"
#include "RuvoServerExports.h"
#include "SlideShowCaption.h"

namespace {

std::unique_ptr<TWindowList> gList;

// A window that is gone may hand its handle to a new window, which its record would then hide.
void DropRecordsOfLostWindows() {
  if (gList)
    gList->erase(std::remove_if(gList->begin(), gList->end(), [](const TWindowRec& r) { return !IsWindow(r.Wnd); }),
                 gList->end());
}

std::string WindowText(HWND wnd) {
  char text[1024];
  int n = GetWindowTextA(wnd, text, sizeof text);
  return std::string(text, size_t(std::max(n, 0)));
}

}  // namespace

TWindowList* SlideShowWindowList() { return gList.get(); }

void CreateWindowList() { gList = std::make_unique<TWindowList>(); }

void FreeWindowList() { gList.reset(); }

std::string GetWindowClass(HWND wnd) {
  char name[130];
  int n = GetClassNameA(wnd, name, sizeof name);
  return std::string(name, size_t(std::max(n, 0)));
}

void AddWindowRec(HWND wnd, int32_t value, const std::string& caption) {
  if (gList) gList->push_back(TWindowRec{wnd, value, caption});
}

void RemoveWindowRec(HWND wnd) {
  if (!gList) return;
  auto it = std::find_if(gList->begin(), gList->end(), [wnd](const TWindowRec& r) { return r.Wnd == wnd; });
  if (it != gList->end()) gList->erase(it);
}

TWindowRec* FindWindowRec(HWND wnd) {
  if (!gList) return nullptr;
  auto it = std::find_if(gList->begin(), gList->end(), [wnd](const TWindowRec& r) { return r.Wnd == wnd; });
  return it != gList->end() ? &*it : nullptr;
}

BOOL CALLBACK EnumSlideShowWindow(HWND wnd, LPARAM param) noexcept {
  try {
    if (GetWindowClass(wnd) != kSlideShowWindowClass) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    std::string prefix = SlideShowCaptionPrefix(reinterpret_cast<const char*>(param));
    std::string text = WindowText(wnd);
    if (!MatchesSlideShowCaption(text, prefix) || FindWindowRec(wnd)) return TRUE;
    EnableWindow(wnd, FALSE);
    AddWindowRec(wnd, 0, prefix);
    return FALSE;
  }
  RUVO_CATCH(FALSE)
}

void SlideShowStarted(const std::string& fullPath) {
  std::string name = ExtractFileName(fullPath);
  // No file name: its prefix would match every slide-show window.
  if (name.empty() || !gList) return;
  DropRecordsOfLostWindows();
  EnumWindows(EnumSlideShowWindow, reinterpret_cast<LPARAM>(name.c_str()));
}

void SlideShowTerminated(const std::string& fullPath) {
  std::string prefix = SlideShowCaptionPrefix(fullPath);
  if (prefix.empty() || !gList) return;
  DropRecordsOfLostWindows();
  auto it = std::find_if(gList->begin(), gList->end(), [&](const TWindowRec& r) { return r.Caption == prefix; });
  if (it != gList->end()) RemoveWindowRec(it->Wnd);
}

RUVO_EXPORT(void) RuvoSlideShowTerminated(const char* FullPath) noexcept {
  try {
    SlideShowTerminated(StringIn(FullPath));
  }
  RUVO_CATCH()
}

RUVO_EXPORT(void) RuvoSlideShowStarted(const char* FullPath) noexcept {
  try {
    SlideShowStarted(StringIn(FullPath));
  }
  RUVO_CATCH()
}
