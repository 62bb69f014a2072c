// The names both binaries give the same things: each finds the other's kernel objects by them.
#pragma once

// Set when the presenter window closes; a launcher that started PowerPoint waits on it.
constexpr char kExitEventName[] = "RuvoPresenterExit";
// Held by the library and by the launcher while they run; nothing waits on it.
constexpr char kRunningMutexName[] = "RuvoPresenter";
// The caption of the presenter window, of the launcher's taskbar entry and of every failure box.
constexpr char kProductCaption[] = "Ruvo Presenter";
