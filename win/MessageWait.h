// Waits of a thread that owns windows: other programs' sent messages (system broadcasts) are
// answered while it waits, so they never hang on it; posted messages stay queued.
#pragma once

#include <windows.h>

#include <vector>

// Waits without a time-out until one of the handles (at most MAXIMUM_WAIT_OBJECTS - 1) is
// signalled and returns its index; -1 when the wait fails, with the reason in GetLastError.
int WaitForAnyHandle(const std::vector<HANDLE>& handles);

// Sleeps until a message arrives for this thread or the time passes (INFINITE for none).
void WaitForMessage(DWORD timeoutMs);
