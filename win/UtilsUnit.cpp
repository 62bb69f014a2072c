#include "UtilsUnit.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "ExportGuard.h"

namespace {

std::string WithBackslash(std::string path) {
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) noexcept {
  try {
    reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
    return TRUE;
  }
  RUVO_CATCH(FALSE)
}

std::vector<HMONITOR> Monitors() {
  std::vector<HMONITOR> list;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::string CurrentFolder() {
  DWORD n = GetCurrentDirectoryA(0, nullptr);
  if (n == 0) return std::string();
  std::string folder(n, '\0');
  DWORD got = GetCurrentDirectoryA(n, &folder[0]);
  folder.resize(got < n ? got : 0);
  return folder;
}

struct TDialogSettings {
  bool save;
  const char* defaultExt;
  const char* filter;
  const char* title;
};

TDialogSettings SettingsOf(TFileDialogKind kind) {
  const char* modules = "Ruvo Modules (*.ruvo)|*.ruvo|All Files (*.*)|*.*";
  switch (kind) {
    case TFileDialogKind::Save:
      return {true, "ruvo_design_mod", modules, "Save Ruvo Module"};
    case TFileDialogKind::WMPMovie:
      return {false, "wmv",
              "Movie Files (*.wmv;*.mpg;*.mpeg;*.mpe;*.avi)|*.wmv;*.avi;*.mpg;*.mpeg;*mpe|All Files (*.*)|*.*",
              "Select Windows Media Player Movie"};
    case TFileDialogKind::FlashMovie:
      return {false, "swf", "Flash Movie Files (*.swf)|*.swf|All Files (*.*)|*.*", "Select Flash Movie"};
    case TFileDialogKind::Open:
    default:
      return {false, "ruvo_design_mod", modules, "Open Ruvo Module"};
  }
}

}  // namespace

std::string TempFolder() {
  std::vector<char> buffer(4096);
  DWORD n = GetTempPathA(DWORD(buffer.size()), buffer.data());
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = GetTempPathA(DWORD(buffer.size()), buffer.data());
    if (n >= buffer.size()) n = 0;
  }
  return WithBackslash(std::string(buffer.data(), n));
}

std::string GetSpecialFolderPath(int32_t csidl) {
  char buffer[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE)) return std::string();
  return WithBackslash(buffer);
}

std::string AppDataFolder() {
  char buffer[2048] = {};
  SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_APPDATA, FALSE);
  return buffer;
}

void ForceForegroundWindow(HWND wnd) {
  HWND foreground = GetForegroundWindow();
  if (foreground == wnd) return;
  DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
  DWORD thread = GetWindowThreadProcessId(wnd, nullptr);
  if (foregroundThread == thread) {
    SetForegroundWindow(wnd);
  } else {
    BOOL attached = AttachThreadInput(foregroundThread, thread, TRUE);
    SetForegroundWindow(wnd);
    if (attached) AttachThreadInput(foregroundThread, thread, FALSE);
  }
  ShowWindow(wnd, IsIconic(wnd) ? SW_RESTORE : SW_SHOW);
}

int32_t MonitorCount() { return int32_t(Monitors().size()); }

bool MonitorBounds(int32_t monitorNum, RECT& bounds) {
  std::vector<HMONITOR> list = Monitors();
  if (monitorNum < 1 || size_t(monitorNum) > list.size()) return false;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(list[size_t(monitorNum) - 1], &info)) return false;
  bounds = info.rcMonitor;
  return true;
}

std::string ExpandFileName(const std::string& name) {
  DWORD n = GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
  if (n == 0) return std::string();
  std::string path(n, '\0');
  DWORD got = GetFullPathNameA(name.c_str(), n, &path[0], nullptr);
  path.resize(got < n ? got : 0);
  return path;
}

bool RunFileDialog(TFileDialogKind kind, std::string& fileName) {
  TDialogSettings settings = SettingsOf(kind);
  // The common dialog wants "description\0mask\0...\0\0"; c_str() adds the last zero.
  std::string filter = settings.filter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter += '\0';
  std::string initialFolder = CurrentFolder();
  std::vector<char> file(32768, '\0');

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  ofn.lpstrTitle = settings.title;
  ofn.lpstrDefExt = settings.defaultExt;
  ofn.Flags = settings.save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING
                            : OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
  if (!(settings.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
  fileName = file.data();
  return true;
}

std::unique_ptr<TFileSearch> TFileSearch::Start(const std::string& mask) {
  auto search = std::make_unique<TFileSearch>(mask);
  if (!search->any_) search.reset();
  return search;
}

TFileSearch::TFileSearch(const std::string& mask) {
  WIN32_FIND_DATAA scan{};
  handle_ = FindFirstFileA(mask.c_str(), &scan);
  any_ = handle_ != INVALID_HANDLE_VALUE && Settle(scan);
}

TFileSearch::~TFileSearch() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

bool TFileSearch::Next() {
  WIN32_FIND_DATAA scan{};
  return FindNextFileA(handle_, &scan) && Settle(scan);
}

bool TFileSearch::Settle(WIN32_FIND_DATAA& scan) {
  while (scan.dwFileAttributes & excluded_)
    if (!FindNextFileA(handle_, &scan)) return false;
  found_ = scan;
  return true;
}
