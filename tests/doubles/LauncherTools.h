// Runs Ruvo_Presenter.exe as the user starts it, and watches what it shows: its splash window
// (when it appears, when it goes, a screenshot while it is up) and its other windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ScreenTools.h"

// A program started with a command line; ended (if still running) when the object goes.
class TProgram {
 public:
  // Exe is a full path; args follow the program's name on its command line as they are.
  TProgram(const std::string& exe, const std::string& args, const std::string& folder = std::string()) {
    std::string line = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                              folder.empty() ? nullptr : folder.c_str(), &si, &pi_) != 0;
    if (started_) CloseHandle(pi_.hThread);
  }
  ~TProgram() {
    if (!started_) return;
    if (Running()) TerminateProcess(pi_.hProcess, 1);
    WaitForSingleObject(pi_.hProcess, 10000);
    CloseHandle(pi_.hProcess);
  }
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return started_ ? pi_.dwProcessId : 0; }
  HANDLE Handle() const { return pi_.hProcess; }
  bool Running() const { return started_ && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }
  // True when the program ended within the time.
  bool WaitEnd(DWORD ms) const { return started_ && WaitForSingleObject(pi_.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started_) GetExitCodeProcess(pi_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION pi_{};
};

// A visible top-level window of that process with that class and caption; null when none.
inline HWND FindProcessWindow(DWORD pid, const char* cls, const char* caption) {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, cls, caption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

namespace launcher_tools_detail {
struct TTaskbarFind {
  DWORD pid;
  std::vector<std::string> titles;
};
inline BOOL CALLBACK AddTaskbarTitle(HWND w, LPARAM p) {
  auto& f = *reinterpret_cast<TTaskbarFind*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  LONG ex = GetWindowLongA(w, GWL_EXSTYLE);
  bool entry = !GetWindow(w, GW_OWNER) && (!(ex & WS_EX_TOOLWINDOW) || (ex & WS_EX_APPWINDOW));
  char caption[256] = "";
  GetWindowTextA(w, caption, sizeof caption);
  if (owner == f.pid && IsWindowVisible(w) && entry) f.titles.push_back(caption);
  return TRUE;
}
}  // namespace launcher_tools_detail

// The captions of that process's windows with an entry on the taskbar: visible top-level windows
// without an owner, unless they are tool windows that do not ask for one.
inline std::vector<std::string> TaskbarTitles(DWORD pid) {
  launcher_tools_detail::TTaskbarFind find{pid, {}};
  EnumWindows(launcher_tools_detail::AddTaskbarTitle, reinterpret_cast<LPARAM>(&find));
  return find.titles;
}

// Watches, on a thread of its own, for the launcher's splash window: the times it was first and
// last seen on screen, and one screenshot taken a while after it appeared.
class TSplashWatcher {
 public:
  TSplashWatcher(DWORD pid, std::string shot, DWORD shotAfterMs = 1500)
      : pid_(pid), shot_(std::move(shot)), shotAfter_(shotAfterMs) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~TSplashWatcher() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  TSplashWatcher(const TSplashWatcher&) = delete;
  TSplashWatcher& operator=(const TSplashWatcher&) = delete;

  bool Seen() const { return first_ != 0; }
  bool ShotTaken() const { return shotTaken_ != 0; }
  // Milliseconds from first to last sighting (polled every 20 ms).
  DWORD ShownMs() const { return first_ ? last_ - first_ : 0; }
  RECT Bounds() const { return bounds_; }
  // The process's taskbar entries when the splash first showed.
  std::vector<std::string> Taskbar() const { return taskbar_; }

 private:
  static DWORD WINAPI Run(void* p) {
    auto* self = static_cast<TSplashWatcher*>(p);
    while (!self->stop_) {
      HWND w = FindProcessWindow(self->pid_, "TRuvoWinControl", "SplashForm");
      if (w) {
        DWORD now = GetTickCount();
        if (!self->first_) {
          self->first_ = now;
          GetWindowRect(w, &self->bounds_);
          self->taskbar_ = TaskbarTitles(self->pid_);
        }
        self->last_ = now;
        if (!self->shotTaken_ && !self->shot_.empty() && now - self->first_ >= self->shotAfter_) {
          SaveScreenshot(self->shot_, self->bounds_);
          self->shotTaken_ = 1;
        }
      }
      Sleep(20);
    }
    return 0;
  }
  DWORD pid_;
  std::string shot_;
  DWORD shotAfter_;
  HANDLE thread_;
  volatile LONG stop_ = 0;
  volatile DWORD first_ = 0, last_ = 0;
  volatile LONG shotTaken_ = 0;
  RECT bounds_{};
  std::vector<std::string> taskbar_;
};
