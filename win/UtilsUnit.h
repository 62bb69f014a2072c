// Operating-system services behind the path, monitor, dialog and file-search exports, and two
// helpers for the library's own code (temporary folder, bringing a window to the front).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

// The system's temporary folder with a trailing backslash; empty when the system names none.
std::string TempFolder();

// A shell special folder (a CSIDL value) with a trailing backslash; empty on failure.
std::string GetSpecialFolderPath(int32_t csidl);

// The current user's application-data folder, without a trailing backslash; empty on failure.
std::string AppDataFolder();

// Brings the window to the foreground even when another thread owns the foreground.
void ForceForegroundWindow(HWND wnd);

int32_t MonitorCount();
// Full bounds of the monitor with that 1-based number, in the order the system lists monitors.
bool MonitorBounds(int32_t monitorNum, RECT& bounds);

// The operating system's full path of a name (the file need not exist); empty on failure.
std::string ExpandFileName(const std::string& name);

enum class TFileDialogKind { Open, Save, WMPMovie, FlashMovie };

// Runs the modal dialog without owner, starting in the current folder. True with the chosen full
// path when the user confirms; false when cancelled or when the dialog cannot be shown.
bool RunFileDialog(TFileDialogKind kind, std::string& fileName);

// A file search that skips folders and system files. The name found last stays readable after
// the search has run out, until the search is freed.
class TFileSearch {
 public:
  // Null when no entry passes the filter or the search cannot start.
  static std::unique_ptr<TFileSearch> Start(const std::string& mask);
  // Starts at the first entry that passes the filter; Start is the usual way in.
  explicit TFileSearch(const std::string& mask);
  ~TFileSearch();
  TFileSearch(const TFileSearch&) = delete;
  TFileSearch& operator=(const TFileSearch&) = delete;

  // Moves to the next entry that passes the filter; false when none is left.
  bool Next();
  std::string Name() const { return found_.cFileName; }

 private:
  // Scans from the entry in scan until one passes, and keeps that one.
  bool Settle(WIN32_FIND_DATAA& scan);

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  DWORD excluded_ = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM;
  WIN32_FIND_DATAA found_{};
  bool any_ = false;
};
